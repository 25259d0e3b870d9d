#include "leaguefiles/templates.h"

#include <gtest/gtest.h>

#include "leaguefiles/error.h"
#include "leaguefiles/record_file.h"
#include "temp_dir.h"

TEST(Templates, NameListDrawsEveryNameAsStored) {
    TempDir dir;
    const auto file = dir.write("name1.rdm", "Abe       MaximilianCy        ");
    EXPECT_EQ(lf::nameListSize(file), 3);
    std::vector<int> asked;
    auto drawK = [&](int k) { return [&asked, k](int n) { asked.push_back(n); return k; }; };
    EXPECT_EQ(lf::drawName(file, drawK(1)), "Abe       ");
    EXPECT_EQ(lf::drawName(file, drawK(2)), "Maximilian");
    EXPECT_EQ(lf::drawName(file, drawK(3)), "Cy        ");
    EXPECT_EQ(asked, (std::vector<int>{3, 3, 3}));
    EXPECT_THROW(lf::drawName(file, drawK(4)), lf::FileError);
}

TEST(Templates, NameListSizeIsRounded) {
    TempDir dir;
    // 26 bytes: 2.6 names round to 3, the last one short and read with its padding.
    const auto odd = dir.write("name2.rdm", "Abe       Bo        Cyrus ");
    EXPECT_EQ(lf::nameListSize(odd), 3);
    EXPECT_EQ(lf::drawName(odd, [](int) { return 3; }), "Cyrus     ");
    EXPECT_THROW(lf::nameListSize(dir.write("empty.rdm", "")), lf::FileError);
    EXPECT_THROW(lf::nameListSize(dir.path / "name9.rdm"), lf::FileError);
}

TEST(Templates, TemplateRecordsByTeamAndSlot) {
    TempDir dir;
    std::vector<lf::PlayerRecord> players(100);
    players[50].setLastName("Second");  // team 2, slot 1
    players[99].setPosition("PU");
    lf::writeAll(dir.path / "players.plx", players);
    EXPECT_EQ(lf::readTemplatePlayer(dir.path / "players.plx", 2, 1).lastName(), "Second");
    EXPECT_EQ(lf::readTemplatePlayer(dir.path / "players.plx", 2, 50).position(), "PU");
    EXPECT_THROW(lf::readTemplatePlayer(dir.path / "players.plx", 3, 1), lf::FileError);
    EXPECT_THROW(lf::readTemplateTeam(dir.path / "teams.tmx", 1), lf::FileError);
}
