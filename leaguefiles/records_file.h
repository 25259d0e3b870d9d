#pragma once
// The league's record book: individual bests (".irg" ".irp" ".irc" ".irs"), team bests
// (".trg" ".trp" ".trc" ".trs") and the champions (".chm").
#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lf {

// Which table: the game type of the game (0, 1, 2), or the whole season.
enum RecordTable : int { RegularSeasonGame = 0, PlayoffGame = 1, ChampionshipGame = 2, WholeSeason = 3 };

std::string_view individualRecordsExt(RecordTable table);  // "irg" "irp" "irc" "irs"
std::string_view teamRecordsExt(RecordTable table);        // "trg" "trp" "trc" "trs"
inline constexpr std::string_view ChampionsExt = "chm";

// Best value of one player statistic (record k = statistic k, 1..80).
struct IndividualRecord {
    static constexpr size_t Size = 60;
    std::array<uint8_t, Size> bytes{};

    std::string playerName() const;  // 20
    std::string team() const;        // 15
    std::string opponent() const;    // 15
    int value() const;
    int season() const;
    int week() const;
    // Writes every field, reserved bytes as blanks.
    void set(std::string_view player, std::string_view team, std::string_view opponent,
             int value, int season, int week);
};

// Best value of one team statistic (record k = statistic k, 1..100).
struct TeamBestRecord {
    static constexpr size_t Size = 40;
    std::array<uint8_t, Size> bytes{};

    std::string team() const;      // 15
    std::string opponent() const;  // 15
    int value() const;
    int season() const;
    int week() const;
    void set(std::string_view team, std::string_view opponent, int value, int season,
             int week);
};

// Champion of season s = record s: one 80-character text.
struct ChampionRecord {
    static constexpr size_t Size = 80;
    std::array<uint8_t, Size> bytes{};

    std::string text() const;  // trimmed
    void setText(std::string_view v);
};

// Contents of a new league: 100 x ("Nobody", "No Team", "No Team", 0, 0, 0),
// 120 x ("No Team", "No Team", 0, 0, 0) and one "NO CHAMPION".
std::vector<IndividualRecord> initialIndividualRecords();
std::vector<TeamBestRecord> initialTeamBestRecords();
std::vector<ChampionRecord> initialChampions();

inline constexpr std::string_view SeasonOpponent = "----";

// The record rule, for game and season records alike. For statistic `index` the candidate
// is `value` (negated for the yards lost to sacks, stored negative); it takes the record
// when it is above 0 and at least the stored value, so a later equal value takes over.
// Returns the value to store, or nothing when the record stands.
std::optional<int> newRecordValue(int index, int value, int stored);

// "nrecords.dat": 100 lines, line k the label of statistic k. Element 0 of the result is
// empty, elements 1..100 are the labels. FileError when fewer than 100 lines.
inline constexpr std::string_view RecordLabelsFile = "nrecords.dat";
std::vector<std::string> readRecordLabels(const std::filesystem::path& file);
// A label starting with "--" marks a statistic the records viewer does not show.
bool isHiddenLabel(std::string_view label);

}  // namespace lf
