#pragma once
// Setting up one postseason round: from the standings (first round) or the results of the
// round before, which record goes into which slot of the round's week.
#include <map>
#include <span>

#include "gameday/season/standings.h"
#include "gameday/season/tiebreakers.h"
#include "leaguefiles/random.h"
#include "leaguefiles/schedule_record.h"

namespace season {

// The records a round writes, by slot of its week. Slot 1 always gets one: the marker, or
// a bye in the larger leagues, which marks the round as set up.
struct RoundPlan {
    bool ready = true;     // false: a game the round is built from has no result yet
    bool announce = false; // the first round tells the user the postseason starts
    std::map<int, lf::ScheduleRecord> slots;
};

lf::ScheduleRecord markerRecord();             // ("P", 0, 0, 0, 1)
lf::ScheduleRecord byeRecord(int team);        // ("P", 0, team, 0, 1): a 1-0 home win
lf::ScheduleRecord gameRecord(int visitor, int home);  // ("-", visitor, home, 0, 0)

// The team that goes on from a played postseason record: the home team unless it scored
// less. A bye makes its team the winner.
int winnerOf(const lf::ScheduleRecord& r);

// Division winners then wild cards of each conference, ranked: element c holds conference
// c's seeds 1.. in order (element 0 unused).
std::array<Group, 3> conferenceSeeds(const Standings& st, lf::Random& random);

// The plan for week offset `offset` (1 = first week after the regular season). For
// offsets beyond the first, `previousWeek` holds the N/2 records of the week before,
// slot g at index g - 1. Only offsets that hold a round for the league size are asked for.
RoundPlan planRound(const Standings& st, int offset,
                    std::span<const lf::ScheduleRecord> previousWeek, lf::Random& random);

}  // namespace season
