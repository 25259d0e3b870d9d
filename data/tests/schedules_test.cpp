// The ten schedule templates read as the schedule writer reads them.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "leaguefiles/schedule_template.h"
#include "shipped.h"

namespace {

struct Size {
    int teams, weeks, perDivision;
};
const Size Sizes[] = {{8, 14, 4}, {16, 16, 4}, {24, 16, 4}, {30, 16, 5}, {32, 16, 4}};

using Weeks = std::vector<std::vector<lf::Pairing>>;

Weeks read(int parity, const Size& s) {
    const auto all = lf::readScheduleTemplate(shipped::file(lf::scheduleTemplateName(parity, s.teams)), s.weeks, s.teams);
    Weeks w(s.weeks);
    for (size_t k = 0; k < all.size(); ++k) w[k / (s.teams / 2)].push_back(all[k]);
    return w;
}

TEST(ScheduleTemplates, EveryTemplateIsAFairSeason) {
    for (const Size& s : Sizes)
        for (int parity = 1; parity <= 2; ++parity) {
            SCOPED_TRACE(lf::scheduleTemplateName(parity, s.teams));
            const int divisions = s.teams / s.perDivision;
            auto division = [&](int p) { return (p - 1) / s.perDivision; };
            auto conference = [&](int p) { return division(p) < divisions / 2 ? 0 : 1; };
            std::map<int, int> homes, conferenceGames, otherConference;
            std::map<std::pair<int, int>, int> meetings;  // (visitor, home) -> games
            for (const auto& week : read(parity, s)) {
                std::set<int> playing;
                for (const lf::Pairing& g : week) {
                    ASSERT_TRUE(g.visitor >= 1 && g.visitor <= s.teams && g.home >= 1 && g.home <= s.teams);
                    EXPECT_NE(g.visitor, g.home);
                    EXPECT_TRUE(playing.insert(g.visitor).second) << "position " << g.visitor << " twice";
                    EXPECT_TRUE(playing.insert(g.home).second) << "position " << g.home << " twice";
                    ++homes[g.home];
                    ++meetings[{g.visitor, g.home}];
                    if (division(g.visitor) == division(g.home)) continue;
                    auto& tally = conference(g.visitor) == conference(g.home) ? conferenceGames : otherConference;
                    ++tally[g.visitor];
                    ++tally[g.home];
                }
                EXPECT_EQ(static_cast<int>(playing.size()), s.teams);
            }
            for (int p = 1; p <= s.teams; ++p) {
                SCOPED_TRACE("position " + std::to_string(p));
                EXPECT_LE(std::abs(homes[p] - s.weeks / 2), 1);
                // Division rivals meet once at each home.
                for (int q = 1; q <= s.teams; ++q) {
                    if (q != p && division(q) == division(p)) {
                        const std::pair<int, int> atQ{p, q};
                        EXPECT_EQ(meetings[atQ], 1) << "at " << q;
                    }
                }
                EXPECT_GT(otherConference[p], 0);
                if (divisions > 2) {
                    EXPECT_GT(conferenceGames[p], 0);
                }
            }
        }
}

TEST(ScheduleTemplates, EvenSeasonsSwapHomesAndRotateOpponents) {
    for (const Size& s : Sizes) {
        SCOPED_TRACE(std::to_string(s.teams) + " teams");
        const Weeks odd = read(1, s), even = read(2, s);
        // The first division meeting of each pair is at the other home in even seasons.
        std::map<std::pair<int, int>, int> firstOdd, firstEven;  // pair -> its home
        auto record = [&](const Weeks& weeks, auto& first) {
            for (const auto& week : weeks)
                for (const lf::Pairing& g : week)
                    if ((g.visitor - 1) / s.perDivision == (g.home - 1) / s.perDivision)
                        first.try_emplace({std::min(g.visitor, g.home), std::max(g.visitor, g.home)}, g.home);
        };
        record(odd, firstOdd);
        record(even, firstEven);
        for (const auto& [pair, home] : firstOdd) EXPECT_NE(firstEven.at(pair), home);
        // Outside the divisions the opponents are not the same list of games again.
        std::multiset<std::pair<int, int>> oddGames, evenGames;
        for (const auto* weeks : {&odd, &even})
            for (const auto& week : *weeks)
                for (const lf::Pairing& g : week)
                    (weeks == &odd ? oddGames : evenGames).insert({std::min(g.visitor, g.home), std::max(g.visitor, g.home)});
        if (s.teams > 8) {
            EXPECT_NE(oddGames, evenGames);
        }
    }
}

}  // namespace
