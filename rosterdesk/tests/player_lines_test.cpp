#include "rosterdesk/player_lines.h"

#include <gtest/gtest.h>

namespace {

lf::PlayerRecord halfback(const char* injury) {
    lf::PlayerRecord p;
    p.setPosition("HB");
    p.setFirstName("Joe");
    p.setLastName("Smith");
    p.setNumber(27);
    p.setYears(12);
    p.setRatingsText("1234501234501234");
    p.setInjuryText(injury);
    return p;
}

// The characters at 1-based columns of a line.
std::string columns(const std::string& line, std::initializer_list<int> cols) {
    std::string out;
    for (int c : cols) out += c <= int(line.size()) ? line[c - 1] : '~';
    return out;
}

TEST(PlayerLines, PlayerListLineUnderItsHeadings) {
    const std::string line = newedit::playerListLine(halfback("3   "), 3);
    EXPECT_EQ(line, "HB3 Joe Smith (3)              12  1 2 3  4 5 0  1 2  3 4 5  0 1  2 3");
    const auto& headings = newedit::playerListHeadings();
    // Years' last digit, then the fifteen ratings, each under its heading column.
    const auto cols = {33, 36, 38, 40, 43, 45, 47, 50, 52, 55, 57, 59, 62, 64, 67, 69};
    EXPECT_EQ(columns(line, cols), "2123450123450123");
    EXPECT_EQ(columns(headings[2], cols), "SRRDNSTKKFFZTKTT");
    EXPECT_EQ(headings[2].size(), line.size());
}

TEST(PlayerLines, NamesAreCutAndInjuryShownOnlyWhenAboveZero) {
    lf::PlayerRecord p = halfback("0   ");
    p.setFirstName("Maximilian");
    p.setLastName("Throckmort");
    EXPECT_EQ(newedit::playerListLine(p, 1).substr(0, 33), "HB1 Maximilian Throckmort      12");
    EXPECT_EQ(newedit::depthChartLabel(p), "HB Maximilian Throckmort");
    p.setInjuryText("    ");
    EXPECT_EQ(newedit::depthChartLabel(p), "HB Maximilian Throckmort");
    p.setInjuryText(" 14");
    EXPECT_EQ(newedit::depthChartLabel(p), "HB Maximilian Throckmort (14)");
    EXPECT_EQ(newedit::playerListLine(p, 1).substr(0, 33), "HB1 Maximilian Throckmort (14  12");
}

TEST(PlayerLines, RosterLineShowsAllSixteenCharactersWithDots) {
    const std::string line = newedit::rosterLine(halfback("3   "));
    EXPECT_EQ(line, " HB Joe Smith             12  1 2 3  4 5 .  1 2  3 4 5  . 1  2 3 4");
    const auto cols = {28, 31, 33, 35, 38, 40, 42, 45, 47, 50, 52, 54, 57, 59, 62, 64, 66};
    EXPECT_EQ(columns(line, cols), "2" "12345.12345.1234");
    EXPECT_EQ(columns(newedit::rosterHeadings()[2], cols).substr(0, 16), "SRRDNSTKKFFZTKTT");
}

TEST(PlayerLines, TradeLineCodeNameNumberYearsRatings) {
    const std::string line = newedit::tradeLine("t3  ", halfback("3   "));
    EXPECT_EQ(line, "T3   Joe Smith              27  12 1 2 3  4 5 .  1 2  3 4 5  . 1  2 3");
    const auto cols = {30, 34, 36, 38, 40, 43, 45, 47, 50, 52, 55, 57, 59, 62, 64, 67, 69};
    EXPECT_EQ(columns(line, cols), "72" "12345.12345.123");
    EXPECT_EQ(columns(newedit::tradeHeadings()[2], cols), "MSRRDNSTKKFFZTKTT");
}

}  // namespace
