#include "leaguefiles/records_file.h"

#include <stdexcept>

#include "leaguefiles/error.h"
#include "leaguefiles/file_io.h"
#include "leaguefiles/fixed_field.h"
#include "leaguefiles/stat_index.h"

namespace lf {
namespace {

constexpr std::array<std::string_view, 4> IndividualExts{"irg", "irp", "irc", "irs"};
constexpr std::array<std::string_view, 4> TeamExts{"trg", "trp", "trc", "trs"};

size_t tableIndex(RecordTable table) {
    if (table < RegularSeasonGame || table > WholeSeason)
        throw std::out_of_range("record table " + std::to_string(table));
    return static_cast<size_t>(table);
}

}  // namespace

std::string_view individualRecordsExt(RecordTable table) {
    return IndividualExts[tableIndex(table)];
}
std::string_view teamRecordsExt(RecordTable table) { return TeamExts[tableIndex(table)]; }

std::string IndividualRecord::playerName() const { return trimmedText(bytes.data(), 0, 20); }
std::string IndividualRecord::team() const { return trimmedText(bytes.data(), 20, 15); }
std::string IndividualRecord::opponent() const { return trimmedText(bytes.data(), 35, 15); }
int IndividualRecord::value() const { return getInt16(bytes.data(), 50); }
int IndividualRecord::season() const { return getInt16(bytes.data(), 52); }
int IndividualRecord::week() const { return getInt16(bytes.data(), 54); }

void IndividualRecord::set(std::string_view player, std::string_view team,
                           std::string_view opponent, int value, int season, int week) {
    IndividualRecord r;
    putText(r.bytes.data(), 0, 20, player);
    putText(r.bytes.data(), 20, 15, team);
    putText(r.bytes.data(), 35, 15, opponent);
    putInt16(r.bytes.data(), 50, value);
    putInt16(r.bytes.data(), 52, season);
    putInt16(r.bytes.data(), 54, week);
    putText(r.bytes.data(), 56, 4, "");
    *this = r;  // all or nothing: a value out of range leaves the record as it was
}

std::string TeamBestRecord::team() const { return trimmedText(bytes.data(), 0, 15); }
std::string TeamBestRecord::opponent() const { return trimmedText(bytes.data(), 15, 15); }
int TeamBestRecord::value() const { return getInt16(bytes.data(), 30); }
int TeamBestRecord::season() const { return getInt16(bytes.data(), 32); }
int TeamBestRecord::week() const { return getInt16(bytes.data(), 34); }

void TeamBestRecord::set(std::string_view team, std::string_view opponent, int value,
                         int season, int week) {
    TeamBestRecord r;
    putText(r.bytes.data(), 0, 15, team);
    putText(r.bytes.data(), 15, 15, opponent);
    putInt16(r.bytes.data(), 30, value);
    putInt16(r.bytes.data(), 32, season);
    putInt16(r.bytes.data(), 34, week);
    putText(r.bytes.data(), 36, 4, "");
    *this = r;
}

std::string ChampionRecord::text() const { return trimmedText(bytes.data(), 0, Size); }
void ChampionRecord::setText(std::string_view v) { putText(bytes.data(), 0, Size, v); }

std::vector<IndividualRecord> initialIndividualRecords() {
    IndividualRecord r;
    r.set("Nobody", "No Team", "No Team", 0, 0, 0);
    return std::vector<IndividualRecord>(100, r);
}

std::vector<TeamBestRecord> initialTeamBestRecords() {
    TeamBestRecord r;
    r.set("No Team", "No Team", 0, 0, 0);
    return std::vector<TeamBestRecord>(120, r);
}

std::vector<ChampionRecord> initialChampions() {
    ChampionRecord r;
    r.setText("NO CHAMPION");
    return {r};
}

std::optional<int> newRecordValue(int index, int value, int stored) {
    const int candidate = index == stat::SackYardsLost ? -value : value;
    if (candidate > 0 && candidate >= stored) return candidate;
    return std::nullopt;
}

std::vector<std::string> readRecordLabels(const std::filesystem::path& file) {
    std::vector<std::string> lines = readLines(file);
    if (lines.size() < 100)
        throw FileError("Input past end of file (" + std::to_string(lines.size()) +
                            " of 100 record labels)",
                        file);
    lines.resize(100);
    lines.insert(lines.begin(), std::string());
    return lines;
}

bool isHiddenLabel(std::string_view label) { return label.starts_with("--"); }

}  // namespace lf
