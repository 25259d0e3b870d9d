// newleague: creates a league in a directory without any window, through the commissioner's
// own creation code, the template teams placed in their own order.
//   newleague --dir D --name NAME --teams N [--title T] [--divisions A,B,...] [--seed S]
//             [--rename] [--reset-years]
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "commissioner/league_creation.h"
#include "commissioner/league_name.h"
#include "commissioner/league_selection.h"
#include "leaguefiles/error.h"
#include "tools/command_line.h"

namespace {

constexpr const char* Usage =
    "usage: newleague --dir D --name NAME --teams N [--title T] [--divisions A,B,...] "
    "[--seed S] [--rename] [--reset-years]\n";

struct Options {
    std::filesystem::path dir;
    std::string name;
    int teams = 0;
    std::string title = "New League";
    std::vector<std::string> divisions;  // names of divisions 1, 2, ...
    std::optional<uint64_t> seed;
    bool rename = false;
    bool resetYears = false;
};

using tools::number;

// Nothing, after saying what is wrong, when the arguments do not make a request.
std::optional<Options> parse(int argc, char** argv) {
    Options o;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--rename") {
            o.rename = true;
        } else if (arg == "--reset-years") {
            o.resetYears = true;
        } else if (hasValue && arg == "--dir") {
            o.dir = argv[++i];
        } else if (hasValue && arg == "--name") {
            o.name = argv[++i];
        } else if (hasValue && arg == "--title") {
            o.title = argv[++i];
        } else if (hasValue && arg == "--divisions") {
            std::stringstream list(argv[++i]);
            for (std::string name; std::getline(list, name, ',');) o.divisions.push_back(name);
            if (o.divisions.size() > 8) {
                std::cerr << "newleague: --divisions names at most 8 divisions\n";
                return std::nullopt;
            }
        } else if (hasValue && arg == "--teams") {
            const auto n = number(argv[++i]);
            if (!n || !lf::leagueSize(static_cast<int>(*n))) {
                std::cerr << "newleague: --teams must be 8, 16, 24, 30 or 32\n";
                return std::nullopt;
            }
            o.teams = static_cast<int>(*n);
        } else if (hasValue && arg == "--seed") {
            const auto s = number(argv[++i]);
            if (!s || *s < 0) {
                std::cerr << "newleague: --seed must be a non-negative number\n";
                return std::nullopt;
            }
            o.seed = static_cast<uint64_t>(*s);
        } else {
            std::cerr << "newleague: unknown or incomplete argument " << arg << "\n" << Usage;
            return std::nullopt;
        }
    }
    if (o.dir.empty() || o.name.empty() || o.teams == 0) {
        std::cerr << Usage;
        return std::nullopt;
    }
    return o;
}

}  // namespace

int main(int argc, char** argv) {
    const auto options = parse(argc, argv);
    if (!options) return 2;
    const auto name = commish::leagueNameFrom(options->name);
    if (!name) {
        std::cerr << "newleague: ILLEGAL NAME: " << options->name
                  << " (letters and numerals only, no extension)\n";
        return 2;
    }
    std::error_code ec;
    if (!std::filesystem::is_directory(options->dir, ec)) {
        std::cerr << "newleague: no such folder: " << options->dir.string() << "\n";
        return 1;
    }
    if (commish::leagueExists(options->dir, *name)) {
        std::cerr << "newleague: a league called " << *name << " already exists in "
                  << options->dir.string() << "\n";
        return 1;
    }
    commish::NewLeague request;
    request.league.title = options->title;
    request.league.teams = options->teams;
    // Divisions the league does not have keep "no name", as every league writer leaves them.
    const size_t divisions = static_cast<size_t>(lf::leagueSize(options->teams)->divisions);
    for (size_t d = 0; d < options->divisions.size() && d < divisions; ++d)
        request.league.divisionNames[d] = options->divisions[d];
    request.name = *name;
    request.rename = options->rename;
    request.resetYears = options->resetYears;
    lf::Random rng = options->seed ? lf::Random(*options->seed) : lf::Random::fromClock();
    try {
        commish::createLeague(options->dir, request, rng);
    } catch (const lf::FileError& e) {
        std::cerr << "newleague: the league was not created: " << e.what() << "\n";
        return 1;
    }
    std::cout << commish::createdMessage(*name) << "\n";
    return 0;
}
