#include "tally/format.h"

#include <gtest/gtest.h>

namespace tally {
namespace {

TEST(ReportFormat, OneDecimalRoundsHalvesToEvenWithoutLeadingZero) {
    struct Case {
        double value;
        int width;
        const char* text;
    } cases[] = {
        {4.25, 7, "    4.2"}, {4.75, 7, "    4.8"}, {0.25, 7, "     .2"}, {0.4, 4, "  .4"},
        {0, 4, "  .0"},        {-0.5, 4, " -.5"},  {12.34, 5, " 12.3"},   {3.0 / 8, 6, "    .4"},
        {158.3333, 8, "   158.3"}, {1234.5, 5, "234.5"},
    };
    for (const Case& c : cases) EXPECT_EQ(oneDecimal(c.value, c.width), c.text) << c.value;
}

TEST(ReportFormat, IntegerAndThreeCharacterFields) {
    EXPECT_EQ(intField(42, 5), "   42");
    EXPECT_EQ(intField(-7, 4), "  -7");
    EXPECT_EQ(intField(123456, 4), "1234");  // too long: leftmost characters stay
    EXPECT_EQ(threeChar(7), "  7");
    EXPECT_EQ(threeChar(-12), "-12");
    EXPECT_EQ(threeChar(1234), "234");
    EXPECT_EQ(threeChar(0), "  0");
}

TEST(ReportFormat, NumberPatterns) {
    EXPECT_EQ(fixedOneDecimal(0), "0.0");
    EXPECT_EQ(fixedOneDecimal(23), "23.0");
    EXPECT_EQ(fixedOneDecimal(10.25), "10.2");
    EXPECT_EQ(optionalOneDecimal(0), ".");
    EXPECT_EQ(optionalOneDecimal(0.46), ".5");
    EXPECT_EQ(optionalOneDecimal(41.27), "41.3");
}

TEST(ReportFormat, NamesTagsAndLongest) {
    EXPECT_EQ(nameField("J Smith, ABCD"), "J Smith, ABCD ");
    EXPECT_EQ(nameField("Bartholomew Quinn"), "Bartholomew Qu");
    EXPECT_EQ(seasonTag(4), "004");
    EXPECT_EQ(seasonTag(12), "012");
    EXPECT_EQ(seasonTag(123), "123");
    EXPECT_EQ(longest(-999), 0);
    EXPECT_EQ(longest(57), 57);
    EXPECT_EQ(ratio(5, 0), 0.0);
}

TEST(ReportFormat, ExchangeSortIsDescendingAndLeavesTiesWhereSwapsPutThem) {
    // Keys by entry: 1 -> 5, 2 -> 7, 3 -> 5, 4 -> 9.
    std::vector<int> order{1, 2, 3, 4};
    auto key = [](int e) { return std::vector<long long>{0, 5, 7, 5, 9}[e]; };
    exchangeSort(order, 0, order.size(), key);
    // The equal keys 1 and 3 end up with 3 first: the exchanges, not the entry order, decide.
    EXPECT_EQ(order, (std::vector<int>{4, 2, 3, 1}));
}

}  // namespace
}  // namespace tally
