#include "leaguefiles/schedule_record.h"

#include <stdexcept>
#include <string>

#include "leaguefiles/fixed_field.h"

namespace lf {

char ScheduleRecord::status() const { return static_cast<char>(bytes[0]); }
int ScheduleRecord::visitor() const { return getInt16(bytes.data(), 1); }
int ScheduleRecord::home() const { return getInt16(bytes.data(), 3); }
int ScheduleRecord::visitorScore() const { return getInt16(bytes.data(), 5); }
int ScheduleRecord::homeScore() const { return getInt16(bytes.data(), 7); }
void ScheduleRecord::setStatus(char c) { bytes[0] = static_cast<uint8_t>(c); }
void ScheduleRecord::setVisitor(int team) { putInt16(bytes.data(), 1, team); }
void ScheduleRecord::setHome(int team) { putInt16(bytes.data(), 3, team); }
void ScheduleRecord::setVisitorScore(int points) { putInt16(bytes.data(), 5, points); }
void ScheduleRecord::setHomeScore(int points) { putInt16(bytes.data(), 7, points); }

ScheduleRecord ScheduleRecord::make(char status, int visitor, int home, int visitorScore,
                                    int homeScore) {
    ScheduleRecord r;
    r.setStatus(status);
    r.setVisitor(visitor);
    r.setHome(home);
    r.setVisitorScore(visitorScore);
    r.setHomeScore(homeScore);
    return r;
}

int scheduleRecordNumber(int week, int slot, int teams) {
    return (week - 1) * (teams / 2) + slot;
}

int scheduleRecordCount(int weeks, int teams) { return (weeks + PostseasonWeeks) * (teams / 2); }

bool isUnplayedGame(const ScheduleRecord& r) {
    return r.status() == '-' && r.visitor() != 0 && r.home() != 0;
}
bool isEmptySlot(const ScheduleRecord& r) {
    return r.status() == '-' && (r.visitor() == 0 || r.home() == 0);
}
bool isMarker(const ScheduleRecord& r) {
    return r.status() != '-' && r.visitor() == 0 && r.home() == 0;
}
bool isBye(const ScheduleRecord& r) {
    return r.status() != '-' && r.visitor() == 0 && r.home() != 0;
}
bool isPlayedGame(const ScheduleRecord& r) {
    return r.status() != '-' && r.visitor() != 0 && r.home() != 0;
}

int periods(const ScheduleRecord& r) {
    const char c = r.status();
    return c >= '0' && c <= '9' ? c - '0' : 0;
}

char periodsStatus(int periods) {
    // A count of 0 or below would read back as "-" (unplayed) or "0": never a result.
    if (periods < 1) throw std::out_of_range("periods " + std::to_string(periods));
    return std::to_string(periods)[0];
}

}  // namespace lf
