#pragma once
// One game slot of the schedule file (name + ".sch"): an 11-byte raw image. The two
// reserved bytes are kept as read.
#include <array>
#include <cstddef>
#include <cstdint>

namespace lf {

struct ScheduleRecord {
    static constexpr size_t Size = 11;

    std::array<uint8_t, Size> bytes{};

    // '-' unplayed or empty, 'P' marker or bye, a digit: periods played.
    char status() const;
    int visitor() const;
    int home() const;
    int visitorScore() const;
    int homeScore() const;
    void setStatus(char c);
    void setVisitor(int team);
    void setHome(int team);
    void setVisitorScore(int points);
    void setHomeScore(int points);

    // A new record: reserved bytes zero.
    static ScheduleRecord make(char status, int visitor, int home, int visitorScore,
                               int homeScore);
};

// Record number of week w, slot g in a league of N teams: (w - 1) * N/2 + g.
int scheduleRecordNumber(int week, int slot, int teams);
// A whole schedule: W + 4 weeks of N/2 slots.
int scheduleRecordCount(int weeks, int teams);
inline constexpr int PostseasonWeeks = 4;

// The readings of a record, tested in this order.
bool isUnplayedGame(const ScheduleRecord& r);  // '-' and both teams set
bool isEmptySlot(const ScheduleRecord& r);     // '-' and a team 0
bool isMarker(const ScheduleRecord& r);        // not '-', teams 0 and 0
bool isBye(const ScheduleRecord& r);           // not '-', visitor 0, home set
bool isPlayedGame(const ScheduleRecord& r);    // not '-', both teams set

// Periods played: the status digit; any other status reads 0.
int periods(const ScheduleRecord& r);
// The status for a game that lasted this many periods: the first digit of the count.
char periodsStatus(int periods);

}  // namespace lf
