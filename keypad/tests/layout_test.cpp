// layout.dat and keypad.dat as the manager writes them and the keypad reads them.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "keypad/layout_file.h"
#include "leaguefiles/file_io.h"

namespace {

namespace fs = std::filesystem;

// The manager's default layout with another count.
std::string defaultLayout(const std::string& count, int pairs = 20) {
    const char* keys[][2] = {{"offense", "1221"}, {"timeout", "Y"},    {"offense", "1321"}, {"timeout", "N"},
                             {"offense", "3241"}, {"timeout", "H"},    {"offense", "3242"}, {"special", "Enter"},
                             {"offense", "PU"},   {"defense", "601"},  {"offense", "FG"},   {"defense", "605"}};
    std::string text = count + "\r\n";
    for (int k = 0; k < pairs; ++k) {
        const bool listed = k < 12;
        text += std::string("\"") + (listed ? keys[k][0] : "offense") + "\"\r\n\"" + (listed ? keys[k][1] : "1221") +
                "\"\r\n";
    }
    return text;
}

class KeypadFiles : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("keypad-files-" + std::to_string(::getpid()));
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
    fs::path write(const std::string& name, const std::string& text) {
        std::ofstream(dir / name, std::ios::binary) << text;
        return dir / name;
    }
    fs::path dir;
};

TEST_F(KeypadFiles, EveryAllowedCountWithAllTwentyPairs) {
    for (const int count : {12, 14, 16, 18, 20}) {
        const auto layout = keypad::readLayout(write("layout.dat", defaultLayout(std::to_string(count))));
        ASSERT_TRUE(layout) << count;
        EXPECT_EQ(layout->shown, count);
        EXPECT_EQ(layout->buttons[7].target, "special");
        EXPECT_EQ(layout->buttons[7].key, "Enter");
        EXPECT_EQ(layout->buttons[19].key, "1221");
    }
    EXPECT_EQ(keypad::windowHeightTwips(12), 6210);
    EXPECT_EQ(keypad::windowHeightTwips(18), 9085);
}

TEST_F(KeypadFiles, BadCountShortFileOrNoFileIsInvalid) {
    for (const std::string& text : {defaultLayout("13"), defaultLayout("0"), defaultLayout("twelve"),
                                    defaultLayout("12", 19), std::string()})
        EXPECT_FALSE(keypad::readLayout(write("layout.dat", text))) << text.substr(0, 10);
    EXPECT_FALSE(keypad::readLayout(dir / "none.dat"));
}

TEST_F(KeypadFiles, PositionWrittenAndReadBackResetWordOrNoFileCentres) {
    keypad::writePosition(dir / "keypad.dat", 1500, 3000);
    EXPECT_EQ(lf::readFile(dir / "keypad.dat"), "\"0\"\r\n1500\r\n3000\r\n");
    const keypad::Position p = keypad::readPosition(dir / "keypad.dat");
    EXPECT_FALSE(p.centre);
    EXPECT_EQ(p.top, 1500);
    EXPECT_EQ(p.left, 3000);
    EXPECT_TRUE(keypad::readPosition(write("keypad.dat", "keypad\r\n100\r\n100\r\n")).centre);
    EXPECT_TRUE(keypad::readPosition(dir / "missing.dat").centre);
}

}  // namespace
