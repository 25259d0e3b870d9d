#include "leaguefiles/player_record.h"

#include <gtest/gtest.h>

#include "golden.h"
#include "leaguefiles/error.h"
#include "leaguefiles/stat_index.h"

TEST(PlayerRecord, BytesFollowTheFieldOffsets) {
    lf::PlayerRecord p;
    p.bytes.fill(0xCD);
    p.setPosition("QB");
    p.setFirstName("Aurelio");
    p.setLastName("Vandermeulen");  // cut to 10
    p.setNumber(12);
    p.setYears(4);
    p.setRatings({3, 4, 2, 3, 5, 1, 0, 0, 0, 0, 0, 0, 0, 1, 2});
    p.resetForNewLeague();
    p.setStat(lf::stat::PassAttempts, 31);
    p.setStat(lf::stat::LongestPass, 64);
    p.setStat(lf::stat::SackYardsLost, -12);

    Golden<220> g;
    g.bytes.fill(0xCD);
    g.text(0, 2, "QB").text(2, 10, "Aurelio").text(12, 10, "Vandermeul");
    g.i16(22, 12).i16(24, 4).text(26, 16, "342351000000012 ").text(54, 4, "0");
    for (int i = 1; i <= 80; ++i) g.i16(58 + 2 * i, 0);
    g.i16(58 + 2 * 9, 31).i16(58 + 2 * 14, 64).i16(58 + 2 * 16, -12);
    EXPECT_EQ(p.bytes, g.bytes);

    EXPECT_EQ(p.displayName(), "Aurelio Vandermeul");
    EXPECT_EQ(p.rating(lf::rating::PAS), 5);
    EXPECT_EQ(p.rating(lf::rating::KRT), 2);
    EXPECT_EQ(p.injuryText(), "0   ");
    EXPECT_EQ(p.stat(lf::stat::SackYardsLost), -12);
}

TEST(PlayerRecord, RatingsAndInjuryReadNonDigitsAsZero) {
    lf::PlayerRecord p;
    p.setRatingsText("5x 3");
    EXPECT_EQ(p.rating(1), 5);
    EXPECT_EQ(p.rating(2), 0);
    EXPECT_EQ(p.rating(3), 0);
    EXPECT_EQ(p.rating(4), 3);
    EXPECT_THROW(p.rating(16), std::out_of_range);

    struct Case {
        const char* text;
        int value;
    };
    for (const Case c : {Case{"    ", 0}, Case{"0   ", 0}, Case{"12  ", 12}, Case{" 3  ", 3}}) {
        p.setInjuryText(c.text);
        EXPECT_EQ(p.injury(), c.value) << c.text;
    }
    p.setInjury(7);
    EXPECT_EQ(p.injuryText(), "7   ");
}

TEST(PlayerRecord, NewSeasonLeavesMaximaAtNoneAndInjuryBlank) {
    lf::PlayerRecord p;
    p.setStat(lf::stat::Tackles, 40);
    p.setInjury(3);
    p.resetForNewSeason();
    EXPECT_EQ(p.injuryText(), "    ");
    EXPECT_EQ(p.injury(), 0);
    for (int i = 1; i <= 80; ++i)
        EXPECT_EQ(p.stat(i), lf::stat::isMaxType(i) ? -999 : 0) << i;
    EXPECT_EQ(lf::stat::display(p.stat(lf::stat::LongestRush)), 0);
}

TEST(PlayerRecord, NamesAndCodes) {
    lf::PlayerRecord p;
    p.setFirstName("Jo");
    p.setLastName("Baptiste");
    EXPECT_EQ(p.displayName(), "Jo Baptiste");
    EXPECT_EQ(lf::rating::code(lf::rating::RDF), "RDF");
    EXPECT_EQ(lf::rating::label(lf::rating::RDF), "Run Defense");
    EXPECT_THROW(p.setNumber(40000), lf::FileError);
}

TEST(PlayerRecord, DisplayNameLeavesNoStrayBlankOrPadding) {
    struct Case {
        const char* first;
        const char* last;
        const char* shown;
    };
    for (const Case c : {Case{"", "Baptiste", "Baptiste"}, Case{"Jo", "", "Jo"}, Case{"", "", ""},
                         Case{"  Jo  ", " Baptiste", "Jo Baptiste"},
                         Case{"Mary Ann", "De La Cruz", "Mary Ann De La Cruz"}}) {
        lf::PlayerRecord p;
        p.setFirstName(c.first);
        p.setLastName(c.last);
        EXPECT_EQ(p.displayName(), c.shown) << c.first << "|" << c.last;
    }
    lf::PlayerRecord blank;  // all NUL bytes, as a record nobody filled in
    EXPECT_EQ(blank.displayName(), "");
    blank.bytes[12] = 'X';
    EXPECT_EQ(blank.displayName(), "X");
}
