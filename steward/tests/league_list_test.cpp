// The league list: which files count as leagues, database.dat and the About text.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "leaguefiles/file_io.h"
#include "steward/league_list.h"
#include "steward/transfer.h"

namespace fs = std::filesystem;

namespace {

struct Folder {
    Folder() {
        path = fs::temp_directory_path() / ("stw-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                                            "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(path);
        fs::create_directories(path);
    }
    ~Folder() { fs::remove_all(path); }
    void write(const std::string& name, const std::string& bytes = "x") const {
        std::ofstream(path / name, std::ios::binary) << bytes;
    }
    fs::path path;
};

TEST(LeagueList, LeagueFilesCountWhateverTheirCase) {
    Folder folder;
    folder.write("OLD.LGE");
    folder.write("old.lge");
    folder.write("Mixed.Lge");
    folder.write("college");     // ends in "lge" but has no extension
    folder.write("NFL.tms");
    fs::create_directory(folder.path / "DIR.LGE");
    EXPECT_EQ(steward::findLeagues(folder.path), (std::vector<std::string>{"Mixed", "OLD", "old"}));
}

TEST(LeagueList, RebuildWritesCountAndQuotedNamesThatReadBack) {
    Folder folder;
    folder.write("OLD.LGE");
    folder.write("new.lge");
    const auto leagues = steward::rebuildLeagueList(folder.path);
    ASSERT_TRUE(leagues);
    EXPECT_EQ(lf::readFile(folder.path / "database.dat"), "2\r\n\"OLD\"\r\n\"new\"\r\n");
    EXPECT_EQ(steward::readLeagueList(folder.path / "database.dat"), *leagues);
}

TEST(LeagueList, EmptyFolderWritesNoList) {
    Folder folder;
    EXPECT_FALSE(steward::rebuildLeagueList(folder.path));
    EXPECT_FALSE(fs::exists(folder.path / "database.dat"));
}

TEST(LeagueList, AboutNamesLeaguesAndTheActiveOne) {
    Folder folder;
    folder.write("league.id1", "   NFL\r\nrest\r\n");
    EXPECT_EQ(steward::activeLeagueLine(folder.path), "NFL");
    EXPECT_EQ(steward::aboutText({"NFL", "OLD"}, "NFL"),
              "The KRO Manager Version 7.1\n\nKRO Leagues (2):\nNFL\nOLD\nActive League: NFL");
    fs::remove(folder.path / "league.id1");
    EXPECT_EQ(steward::activeLeagueLine(folder.path), "");
}

}  // namespace
