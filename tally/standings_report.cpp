#include "tally/standings_report.h"

#include <fstream>

#include "leaguefiles/error.h"
#include "leaguefiles/file_io.h"
#include "leaguefiles/stat_index.h"
#include "tally/format.h"

namespace tally {

namespace {

// Header places of the division blocks: two columns of blocks, by division count.
std::vector<std::pair<int, int>> headerPlaces(int divisions, int perDivision) {
    switch (divisions) {
        case 2: return {{1, 10 - perDivision}, {46, 10 - perDivision}};
        case 4: return {{1, 3}, {1, 2 * perDivision + 3}, {46, 3}, {46, 2 * perDivision + 3}};
        case 6: return {{1, 1}, {1, 8}, {1, 15}, {46, 1}, {46, 8}, {46, 15}};
        default: return {{1, 1}, {1, 7}, {1, 13}, {1, 19}, {46, 1}, {46, 7}, {46, 13}, {46, 19}};
    }
}

int points(const lf::TeamRecord& team, bool own) {
    int sum = 0;
    for (int k = lf::stat::PointsQuarter1; k <= lf::stat::PointsOvertime; ++k)
        sum += own ? team.own(k) : team.opp(k);
    return sum;
}

}  // namespace

int winningPct(int won, int lost, int tied) {
    int games = won + lost + tied;
    if (games == 0) return 0;
    return static_cast<int>(roundHalfEven((won + 0.5 * tied) / games * 100));
}

StandingsTable buildStandings(LeagueView& view, const std::vector<lf::TeamRecord>& teams) {
    const int n = view.header.teams;
    const int perDivision = view.header.teamsPerDivision;
    loadNames(view, teams);

    std::vector<int> pct(static_cast<std::size_t>(n) + 1, 0);
    for (int t = 1; t <= n; ++t) {
        const auto& team = teams[static_cast<std::size_t>(t) - 1];
        pct[t] = winningPct(team.own(lf::stat::Wins), team.opp(lf::stat::Wins),
                            team.own(lf::stat::Ties));
    }

    StandingsTable table;
    for (int t = 1; t <= n; ++t) table.order.push_back(t);
    for (int first = 0; first < n; first += perDivision)
        exchangeSort(table.order, static_cast<std::size_t>(first),
                     static_cast<std::size_t>(first + perDivision), [&](int t) { return pct[t]; });

    auto places = headerPlaces(view.header.divisions, perDivision);
    for (int d = 1; d <= view.header.divisions; ++d) {
        auto [column, line] = places[static_cast<std::size_t>(d) - 1];
        table.headers.push_back({column, line,
                                 padRight(view.header.divisionNames[d - 1], 15) +
                                     "  W  L  T  PF  PA"});
        for (int k = 1; k <= perDivision; ++k) {
            int t = table.order[static_cast<std::size_t>((d - 1) * perDivision + k - 1)];
            const auto& team = teams[static_cast<std::size_t>(t) - 1];
            std::string text = padRight(view.shortNames[t], 15) +
                               rightmost("  " + signPlace(team.own(lf::stat::Wins)), 3) +
                               rightmost("  " + signPlace(team.opp(lf::stat::Wins)), 3) +
                               rightmost("  " + signPlace(team.own(lf::stat::Ties)), 3) +
                               rightmost("    " + signPlace(points(team, true)), 4) +
                               rightmost("     " + signPlace(points(team, false)), 4);
            table.teamLines.push_back({column, line + k, text});
        }
    }
    return table;
}

StandingsTable readStandings(LeagueView& view) { return buildStandings(view, readTeams(view)); }

std::vector<std::string> standingsPrintLines(const StandingsTable& table, int teamsPerDivision) {
    std::vector<std::string> lines;
    for (std::size_t d = 0; d < table.headers.size(); ++d) {
        lines.push_back(table.headers[d].text);
        for (int k = 0; k < teamsPerDivision; ++k)
            lines.push_back(table.teamLines[d * static_cast<std::size_t>(teamsPerDivision) +
                                            static_cast<std::size_t>(k)]
                                .text);
        lines.push_back(" ");
    }
    return lines;
}

std::string standingsPrintFile(const LeagueView& view) {
    return printPath(view, "WLT-" + seasonTag(view.header.season) + ".log");
}

void writeStandingsFile(const std::filesystem::path& file, bool append,
                        const std::vector<std::string>& lines) {
    std::string text = "\r\n";
    for (const std::string& line : lines) text.append(line).append("\r\n");
    std::error_code ec;
    const auto folder = file.parent_path().empty() ? std::filesystem::path(".") : file.parent_path();
    if (file.filename().empty() || !std::filesystem::is_directory(folder, ec) ||
        std::filesystem::is_directory(file, ec))
        throw lf::FileError("Path not found", file);
    if (!append) {
        lf::replaceFile(file, text);
        return;
    }
    std::ofstream out(file, std::ios::binary | std::ios::app);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.close();
    if (!out) throw lf::FileError("Cannot write file", file);
}

}  // namespace tally
