#include "commissioner/league_selection.h"

#include <gtest/gtest.h>

#include "commissioner/tests/template_fixture.h"

namespace {

TEST(LeagueSelection, ListsLeagueFilesOfAnyCase) {
    const auto dir = fixture::freshFolder("select");
    for (const char* f : {"b.lge", "A.LGE", "c.Lge", "d.txt", "lge", "e.lge.bak"}) fixture::writeText(dir / f, "");
    std::filesystem::create_directory(dir / "F.LGE");
    EXPECT_EQ(commish::leagueFiles(dir), (std::vector<std::string>{"A.LGE", "b.lge", "c.Lge"}));
    EXPECT_TRUE(commish::leagueExists(dir, "B"));
    EXPECT_FALSE(commish::leagueExists(dir, "D"));
    std::filesystem::remove_all(dir);
}

TEST(LeagueSelection, WritesOnlyWhenAnotherLeagueIsChosen) {
    EXPECT_EQ(commish::chosenLeague("b.lge", "KRO"), "B");
    EXPECT_EQ(commish::chosenLeague("kro.LGE", "KRO"), std::nullopt);
    EXPECT_EQ(commish::chosenLeague("KRO.lge", "kro"), std::nullopt);
    EXPECT_EQ(commish::chosenLeague("KRO", "OTHER"), std::nullopt);  // nothing was chosen
}

}  // namespace
