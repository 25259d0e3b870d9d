// simseason: plays the next league games of the league in a directory with the computer
// coaching both sides, through the game program's own game choice, engine and saving, and
// shows the standings and, once the season is complete, the champion.
//   simseason --dir D [--games N] [--seed S]
#include <chrono>
#include <cstdint>
#include <exception>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>

#include "gameday/engine/tables.h"
#include "tools/simseason/league_play.h"
#include "tools/simseason/season_report.h"
#include "tools/command_line.h"

namespace {

constexpr const char* Usage = "usage: simseason --dir D [--games N] [--seed S]\n";

struct Options {
    std::filesystem::path dir;
    std::optional<long long> games;  // nothing: until the season is complete
    std::optional<uint64_t> seed;
};

using tools::number;

std::optional<Options> parse(int argc, char** argv) {
    Options o;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (hasValue && arg == "--dir") {
            o.dir = argv[++i];
        } else if (hasValue && arg == "--games") {
            o.games = number(argv[++i]);
            if (!o.games || *o.games < 1) {
                std::cerr << "simseason: --games must be a positive number\n";
                return std::nullopt;
            }
        } else if (hasValue && arg == "--seed") {
            const auto s = number(argv[++i]);
            if (!s || *s < 0) {
                std::cerr << "simseason: --seed must be a non-negative number\n";
                return std::nullopt;
            }
            o.seed = static_cast<uint64_t>(*s);
        } else {
            std::cerr << "simseason: unknown or incomplete argument " << arg << "\n" << Usage;
            return std::nullopt;
        }
    }
    if (o.dir.empty()) {
        std::cerr << Usage;
        return std::nullopt;
    }
    return o;
}

}  // namespace

int main(int argc, char** argv) {
    const auto options = parse(argc, argv);
    if (!options) return 2;
    std::error_code ec;
    if (!std::filesystem::is_directory(options->dir, ec)) {
        std::cerr << "simseason: no such folder: " << options->dir.string() << "\n";
        return 1;
    }
    lf::Random random = options->seed ? lf::Random(*options->seed) : lf::Random::fromClock();
    try {
        const fb::Tables tables = fb::loadTables(options->dir);
        long long played = 0;
        std::string stopReason;
        while (!options->games || played < *options->games) {
            const auto game = simseason::playNextGame(options->dir, tables, random, stopReason);
            if (!game) break;
            ++played;
            const fb::GameState& g = game->game;
            std::cout << simseason::gameLine(game->choice.visitorName, game->choice.homeName,
                                             game->choice.week, g.side[fb::kVisitor].score,
                                             g.side[fb::kHome].score, g.overtime)
                      << "\n";
        }
        if (!stopReason.empty()) std::cout << stopReason << "\n";
        std::cout << played << (played == 1 ? " game" : " games") << " played.\n";
        const season::SeasonLeague lg = season::openSeasonLeague(options->dir);
        for (const std::string& line : simseason::standingsLines(lg)) std::cout << line << "\n";
        const std::string champion = simseason::championLine(lg);
        if (!champion.empty()) std::cout << champion << "\n";
    } catch (const std::exception& e) {
        std::cout.flush();
        std::cerr << "simseason: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
