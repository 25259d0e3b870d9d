#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "leaguefiles/file_io.h"
#include "shipped.h"

namespace {

TEST(RecordLabels, OneLabelPerIndexAndNoRecordWhereAnIndexMeansNothing) {
    const std::vector<std::string> labels = lf::readLines(shipped::file("nrecords.dat"));
    ASSERT_EQ(labels.size(), 100u);
    auto hidden = [&](int k) { return labels[k - 1].rfind("--", 0) == 0; };
    for (int k = 1; k <= 100; ++k) EXPECT_FALSE(labels[k - 1].empty()) << k;
    for (int k = 72; k <= 80; ++k) EXPECT_TRUE(hidden(k)) << k;  // no statistic behind them
    EXPECT_TRUE(hidden(91));                                    // a seconds part alone is no record
    for (int k : {1, 2, 4, 12, 16, 17, 18, 40, 53, 69, 97}) EXPECT_FALSE(hidden(k)) << k;
    EXPECT_EQ(labels[1], "Rushing Yards");
}

}  // namespace
