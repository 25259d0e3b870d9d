#include "commissioner/league_name.h"

#include <gtest/gtest.h>

namespace {

TEST(LeagueName, UpperCasedCutAndTrimmed) {
    const std::pair<const char*, const char*> cases[] = {
        {"my.league", "MY"},     {"verylongname", "VERYLONG"}, {"Kro2", "KRO2"},
        {"abcdefgh.lge", "ABCDEFGH"}, {"  ab ", "AB"},      {"new one", "NEW ONE"},
        {"abcdefghé", "ABCDEFGH"},  // what lies past the eighth character never counts
    };
    for (const auto& [typed, name] : cases) EXPECT_EQ(commish::leagueNameFrom(typed), name) << typed;
}

TEST(LeagueName, UnsafeOrEmptyNamesAreIllegal) {
    for (const char* typed : {"", ".lge", "   ", " .x", "a/b", "a\\b", "tab\tx", "a,b", "a\"b",
                              "a*", "caf\xc3\xa9", "..", "line\r"})
        EXPECT_EQ(commish::leagueNameFrom(typed), std::nullopt) << typed;
}

}  // namespace
