#include "gameday/season/round_setup.h"

#include <algorithm>

namespace season {

lf::ScheduleRecord markerRecord() { return lf::ScheduleRecord::make('P', 0, 0, 0, 1); }
lf::ScheduleRecord byeRecord(int team) { return lf::ScheduleRecord::make('P', 0, team, 0, 1); }
lf::ScheduleRecord gameRecord(int visitor, int home) {
    return lf::ScheduleRecord::make('-', visitor, home, 0, 0);
}

int winnerOf(const lf::ScheduleRecord& r) {
    return r.homeScore() < r.visitorScore() ? r.visitor() : r.home();
}

std::array<Group, 3> conferenceSeeds(const Standings& st, lf::Random& random) {
    const PostseasonShape& shape = st.shape;
    std::array<Group, 3> winners;
    for (int d = 1; d <= shape.divisions; ++d) {
        Group division;
        for (int i = 1; i <= shape.perDivision; ++i)
            division.push_back((d - 1) * shape.perDivision + i);
        const int winner = breakTie(division, kDivisionChain, st, random);
        winners[conferenceOf(shape, winner)].push_back(winner);
    }
    std::array<Group, 3> seeds;
    const int half = shape.teams / 2;
    for (int c = 1; c <= 2; ++c) {
        seeds[c] = rankTeams(winners[c], shape.divisionsPerConference, st, random);
        if (shape.wildCards == 0) continue;
        Group others;
        for (int t = (c - 1) * half + 1; t <= c * half; ++t)
            if (std::find(winners[c].begin(), winners[c].end(), t) == winners[c].end())
                others.push_back(t);
        const Group wild = rankTeams(others, shape.wildCards, st, random);
        seeds[c].insert(seeds[c].end(), wild.begin(), wild.end());
    }
    return seeds;
}

namespace {

// Slot offset of conference c in a postseason week: slots 1..4 and 5..8.
int base(int c) { return 4 * (c - 1); }

// Reads the previous week's results the round is built from, refusing any that has none.
struct PreviousWeek {
    std::span<const lf::ScheduleRecord> records;
    bool complete = true;

    const lf::ScheduleRecord* at(int slot) {
        if (slot < 1 || slot > static_cast<int>(records.size())) {
            complete = false;
            return nullptr;
        }
        const lf::ScheduleRecord& r = records[slot - 1];
        if (r.status() == '-' || winnerOf(r) == 0) complete = false;
        return &r;
    }
    int winner(int slot) {
        const lf::ScheduleRecord* r = at(slot);
        return r ? winnerOf(*r) : 0;
    }
    int home(int slot) {
        const lf::ScheduleRecord* r = at(slot);
        return r ? r->home() : 0;
    }
};

// The championship pairing: the final chain picks the home team of the two.
void writeFinal(RoundPlan& plan, int first, int second, const Standings& st,
                lf::Random& random) {
    const int home = breakTie({first, second}, kFinalChain, st, random);
    plan.slots[2] = gameRecord(home == first ? second : first, home);
}

void firstRound(RoundPlan& plan, const Standings& st, lf::Random& random) {
    plan.announce = true;
    const std::array<Group, 3> seeds = conferenceSeeds(st, random);
    const int teams = st.shape.teams;
    if (teams == 8) {
        writeFinal(plan, seeds[1][0], seeds[2][0], st, random);
        return;
    }
    for (int c = 1; c <= 2; ++c) {
        const Group& s = seeds[c];
        const int b = base(c);
        if (teams == 16) {
            plan.slots[2 + b] = gameRecord(s[1], s[0]);
            continue;
        }
        plan.slots[1 + b] = byeRecord(s[0]);
        plan.slots[2 + b] = byeRecord(s[1]);
        plan.slots[3 + b] = teams == 24 ? byeRecord(s[2]) : gameRecord(s[5], s[2]);
        plan.slots[4 + b] = gameRecord(s[4], s[3]);
    }
}

void secondRound(RoundPlan& plan, PreviousWeek& prev, const Standings& st,
                 lf::Random& random) {
    for (int c = 1; c <= 2; ++c) {
        const int b = base(c);
        const int seed1 = prev.home(1 + b);
        const int seed2 = prev.home(2 + b);
        const int won3 = prev.winner(3 + b);
        const int won4 = prev.winner(4 + b);
        if (!prev.complete) return;
        if (st.shape.teams == 24) {
            plan.slots[2 + b] = gameRecord(won4, seed1);
            plan.slots[3 + b] = gameRecord(won3, seed2);
        } else {
            const Group ranked = rankTeams({won3, won4}, 2, st, random);
            plan.slots[2 + b] = gameRecord(ranked[1], seed1);
            plan.slots[3 + b] = gameRecord(ranked[0], seed2);
        }
    }
}

void conferenceFinals(RoundPlan& plan, PreviousWeek& prev, const Standings& st,
                      lf::Random& random) {
    for (int c = 1; c <= 2; ++c) {
        const int b = base(c);
        const int first = prev.winner(2 + b);
        const int second = prev.winner(3 + b);
        if (!prev.complete) return;
        const Group ranked = rankTeams({first, second}, 2, st, random);
        plan.slots[2 + b] = gameRecord(ranked[1], ranked[0]);
    }
}

void championship(RoundPlan& plan, PreviousWeek& prev, const Standings& st,
                  lf::Random& random) {
    const int first = prev.winner(2);
    const int second = prev.winner(6);
    if (!prev.complete) return;
    writeFinal(plan, first, second, st, random);
}

}  // namespace

RoundPlan planRound(const Standings& st, int offset,
                    std::span<const lf::ScheduleRecord> previousWeek, lf::Random& random) {
    RoundPlan plan;
    plan.slots[1] = markerRecord();
    PreviousWeek prev{previousWeek};
    const int teams = st.shape.teams;
    if (offset == 1) {
        firstRound(plan, st, random);
    } else if (offset == st.shape.championshipOffset) {
        championship(plan, prev, st, random);
    } else if (offset == 2 && teams >= 24) {
        secondRound(plan, prev, st, random);
    } else if (offset == 3 && teams >= 24) {
        conferenceFinals(plan, prev, st, random);
    }
    if (!prev.complete) {
        plan.ready = false;
        plan.slots.clear();
    }
    return plan;
}

}  // namespace season
