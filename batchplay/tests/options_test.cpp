// batchplay.dat: written on exit, read at start.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "batchplay/options_file.h"
#include "leaguefiles/file_io.h"

namespace {

namespace fs = std::filesystem;

class OptionsFile : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("batchplay-options-" + std::to_string(::getpid()));
        fs::create_directories(dir);
        file = dir / "batchplay.dat";
    }
    void TearDown() override { fs::remove_all(dir); }
    void write(const std::string& text) { std::ofstream(file, std::ios::binary) << text; }
    fs::path dir, file;
};

TEST_F(OptionsFile, WrittenAsQuotedMarkerAndFlagThenPositionAndReadBack) {
    batchplay::writeOptions(file, true, 2400, 3600);
    EXPECT_EQ(lf::readFile(file), "\"batchplayoption\"\r\n\"1\"\r\n2400\r\n3600\r\n");
    const batchplay::Options o = batchplay::readOptions(file);
    EXPECT_FALSE(o.centre);
    EXPECT_TRUE(o.stayOnTop);
    EXPECT_EQ(o.top, 2400);
    EXPECT_EQ(o.left, 3600);
}

TEST_F(OptionsFile, PositionsBelowOneBecomeOneAndBothAtOneCentre) {
    write("\"batchplayoption\"\r\n\"0\"\r\n-50\r\n700\r\n");
    batchplay::Options o = batchplay::readOptions(file);
    EXPECT_FALSE(o.centre);
    EXPECT_FALSE(o.stayOnTop);
    EXPECT_EQ(o.top, 1);
    EXPECT_EQ(o.left, 700);
    write("\"batchplayoption\"\r\n\"1\"\r\n0\r\n0\r\n");
    o = batchplay::readOptions(file);
    EXPECT_TRUE(o.centre);
    EXPECT_TRUE(o.stayOnTop);
}

TEST_F(OptionsFile, NoMarkerDamagedOrMissingCentresWithoutStayOnTop) {
    for (const std::string text : {"\"keypad\"\r\n\"1\"\r\n100\r\n100\r\n",
                                   "\"batchplayoption\"\r\n\"1\"\r\nhigh\r\n100\r\n",
                                   "\"batchplayoption\"\r\n\"1\"\r\n"}) {
        write(text);
        const batchplay::Options o = batchplay::readOptions(file);
        EXPECT_TRUE(o.centre) << text;
        EXPECT_FALSE(o.stayOnTop) << text;
    }
    fs::remove(file);
    EXPECT_TRUE(batchplay::readOptions(file).centre);
}

}  // namespace
