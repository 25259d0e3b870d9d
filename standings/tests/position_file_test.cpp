#include "standings/position_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include "leaguefiles/file_io.h"

namespace live {
namespace {

struct PositionFileTest : ::testing::Test {
    std::filesystem::path dir = std::filesystem::temp_directory_path() /
                                ("standings-pos-" + std::to_string(::getpid()));
    std::filesystem::path file = dir / PositionFile;
    void SetUp() override { std::filesystem::create_directories(dir); }
    void TearDown() override { std::filesystem::remove_all(dir); }
    Placement read(const std::string& text) {
        lf::replaceFile(file, text);
        return readPlacement(file);
    }
};

TEST_F(PositionFileTest, StoredPlacementRules) {
    struct Case {
        const char* text;
        bool centre;
        std::optional<int> top, left;
        bool stayOnTop;
    } cases[] = {
        {"\"standings\"\r\n", true, {}, {}, false},
        {"\"1\"\r\n0\r\n0\r\n", true, {}, {}, true},      // both below 1: centred
        {"\"0\"\r\n500\r\n0\r\n", false, 500, {}, false}, // left keeps its place
        {"\"1\"\r\n300\r\n4500\r\n", false, 300, 4500, true},
        {"\"0\"\r\n1\r\n1\r\n", true, {}, {}, false},
        {"\"1\"\r\n", true, {}, {}, false},               // no position stored
    };
    for (const Case& c : cases) {
        Placement p = read(c.text);
        EXPECT_EQ(p.centre, c.centre) << c.text;
        EXPECT_EQ(p.top, c.top) << c.text;
        EXPECT_EQ(p.left, c.left) << c.text;
        EXPECT_EQ(p.stayOnTop, c.stayOnTop) << c.text;
    }
    std::filesystem::remove(file);
    EXPECT_TRUE(readPlacement(file).centre);
}

TEST_F(PositionFileTest, WrittenPositionReadsBack) {
    writePosition(file, true, 2400, 3000);
    EXPECT_EQ(lf::readFile(file), "\"1\"\r\n2400\r\n3000\r\n");
    Placement p = readPlacement(file);
    EXPECT_FALSE(p.centre);
    EXPECT_EQ(p.top, 2400);
    EXPECT_EQ(p.left, 3000);
    EXPECT_TRUE(p.stayOnTop);
}

}  // namespace
}  // namespace live
