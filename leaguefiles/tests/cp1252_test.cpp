#include "leaguefiles/cp1252.h"

#include <gtest/gtest.h>

TEST(Cp1252, ConvertsBothWays) {
    const std::string bytes = "Caf\xE9 \x80 \x93Q\x94 \x9F";
    const std::string utf8 = "Caf\u00e9 \u20ac \u201cQ\u201d \u0178";
    EXPECT_EQ(lf::cp1252ToUtf8(bytes), utf8);
    EXPECT_EQ(lf::utf8ToCp1252(utf8), bytes);
}

TEST(Cp1252, CharactersWithoutASingleByteFormBecomeQuestionMarks) {
    EXPECT_EQ(lf::utf8ToCp1252("\u0141\u00f3d\u017a \U0001F3C8"), "?\xF3" "d? ?");
    EXPECT_EQ(lf::utf8ToCp1252("bad \xC3"), "bad ?");
    EXPECT_EQ(lf::utf8ToCp1252("\xE2\x82" "x"), "??x");
    EXPECT_EQ(lf::cp1252ToUtf8("\x81"), "\ufffd");
}
