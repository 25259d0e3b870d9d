// The options files: file types, the change-control switch, the resets and the backup location.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "leaguefiles/file_io.h"
#include "leaguefiles/seq_fields.h"
#include "steward/settings_files.h"

namespace fs = std::filesystem;
using steward::Reset;

namespace {

struct Folder {
    Folder() {
        path = fs::temp_directory_path() /
               ("stw-settings-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(path);
        fs::create_directories(path);
    }
    ~Folder() { fs::remove_all(path); }
    fs::path path;
};

TEST(SettingsFiles, TypesAndChangeControlReadBack) {
    Folder folder;
    EXPECT_TRUE(steward::readFileTypes(folder.path).empty());
    EXPECT_FALSE(steward::changeControlHidden(folder.path));
    steward::writeFileTypes(folder.path, {"season1", "roster.prn", "My Notes"});
    EXPECT_EQ(lf::readFile(folder.path / "types.dat"), "3\r\n\"season1\"\r\n\"roster.prn\"\r\n\"My Notes\"\r\n");
    EXPECT_EQ(steward::readFileTypes(folder.path), (std::vector<std::string>{"season1", "roster.prn", "My Notes"}));
    steward::writeChangeControl(folder.path, true);
    EXPECT_EQ(lf::readFile(folder.path / "custom.dat"), "0\r\n");
    EXPECT_TRUE(steward::changeControlHidden(folder.path));
    steward::writeChangeControl(folder.path, false);
    EXPECT_FALSE(steward::changeControlHidden(folder.path));
}

TEST(SettingsFiles, DamagedTypesFileGivesWhatCouldBeRead) {
    Folder folder;
    std::ofstream(folder.path / "TYPES.DAT", std::ios::binary) << "5\r\n\"a\"\r\n\"b\"\r\n";
    EXPECT_EQ(steward::readFileTypes(folder.path), (std::vector<std::string>{"a", "b"}));
    std::ofstream(folder.path / "TYPES.DAT", std::ios::binary) << "many\r\n";
    EXPECT_TRUE(steward::readFileTypes(folder.path).empty());
}

TEST(SettingsFiles, DefaultLayoutIsTwelveShownAndTwentyPairs) {
    const std::string layout = steward::defaultLayout();
    EXPECT_EQ(std::count(layout.begin(), layout.end(), '\n'), 41);
    lf::FieldReader reader(layout);
    EXPECT_EQ(reader.number(), 12);
    const std::vector<std::pair<std::string, std::string>> expected{
        {"offense", "1221"}, {"timeout", "Y"},   {"offense", "1321"}, {"timeout", "N"},
        {"offense", "3241"}, {"timeout", "H"},   {"offense", "3242"}, {"special", "Enter"},
        {"offense", "PU"},   {"defense", "601"}, {"offense", "FG"},   {"defense", "605"}};
    for (int k = 0; k < 20; ++k) {
        const std::string target = reader.text();
        const std::string key = reader.text();
        const auto& want = k < 12 ? expected[k] : expected[0];
        EXPECT_EQ(target, want.first) << "button " << k + 1;
        EXPECT_EQ(key, want.second) << "button " << k + 1;
    }
    EXPECT_TRUE(reader.atEnd());
}

TEST(SettingsFiles, EachResetRewritesOnlyItsOwnFile) {
    const std::vector<std::pair<Reset, std::pair<std::string, std::string>>> cases{
        {Reset::FileViewerPosition, {"fileview.dat", "\"fileview\"\r\n"}},
        {Reset::BatchplayPosition, {"batchplay.dat", "0\r\n"}},
        {Reset::StandingsPosition, {"standings.dat", "\"standings\"\r\n"}},
        {Reset::KeypadPosition, {"keypad.dat", "\"keypad\"\r\n"}},
        {Reset::KeypadLayout, {"layout.dat", steward::defaultLayout()}},
    };
    for (const auto& [reset, file] : cases) {
        Folder folder;
        for (const auto& entry : cases) std::ofstream(folder.path / entry.second.first, std::ios::binary) << "kept";
        steward::writeReset(folder.path, reset);
        for (const auto& entry : cases) {
            const std::string bytes = lf::readFile(folder.path / entry.second.first);
            EXPECT_EQ(bytes, entry.first == reset ? file.second : "kept") << entry.second.first;
        }
    }
}

TEST(SettingsFiles, LocationReadsBackWithBlanksAndCommas) {
    Folder folder;
    EXPECT_EQ(steward::readLocation(folder.path), "");
    steward::writeLocation(folder.path, "/media/usb stick/kro, copy/");
    EXPECT_EQ(steward::readLocation(folder.path), "/media/usb stick/kro, copy/");
}

}  // namespace
