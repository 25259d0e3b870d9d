#include "leaguefiles/seq_fields.h"

#include <gtest/gtest.h>

#include "leaguefiles/error.h"

using lf::FieldReader;

TEST(SeqFields, ReadsTextFieldsByEveryRule) {
    struct Case {
        const char* input;
        std::vector<std::string> fields;
    };
    const Case cases[] = {
        {"a,b\r\nc\r\n", {"a", "b", "c"}},
        {"a,b\nc\n", {"a", "b", "c"}},
        {"   lead,  x  \r\n", {"lead", "x"}},
        {"a,\r\nb\r\n", {"a", "b"}},                 // line end after a comma adds no field
        {"\"New, League\",x\r\n", {"New, League", "x"}},
        {"\"quoted\"  junk,next\r\n", {"quoted", "next"}},
        {"one\r\n\r\nthree\r\n", {"one", "", "three"}},  // an empty line is an empty field
        {"last", {"last"}},
        {"\xEF\xBB\xBFNFL\r\n", {"NFL"}},
    };
    for (const Case& c : cases) {
        FieldReader in(c.input);
        std::vector<std::string> got;
        while (!in.atEnd()) got.push_back(in.text());
        EXPECT_EQ(got, c.fields) << c.input;
    }
}

TEST(SeqFields, NumbersIgnoreSurroundingBlanks) {
    FieldReader in(" 14 \r\n-3 \r\n 0 ,7,+2\r\n\"5\"\r\n");
    EXPECT_EQ(in.number(), 14);
    EXPECT_EQ(in.number(), -3);
    EXPECT_EQ(in.number(), 0);
    EXPECT_EQ(in.number(), 7);
    EXPECT_EQ(in.number(), 2);
    EXPECT_EQ(in.number(), 5);
    EXPECT_TRUE(in.atEnd());
}

TEST(SeqFields, BadNumbersAndMissingFieldsAreErrorsNamingTheSource) {
    for (const char* bad : {"abc\r\n", "3a7\r\n", "\r\n", "99999999999\r\n", "1 2\r\n"}) {
        FieldReader in(bad, "/x/NFL.lge");
        try {
            in.number();
            ADD_FAILURE() << "accepted " << bad;
        } catch (const lf::FileError& e) {
            EXPECT_NE(std::string(e.what()).find("/x/NFL.lge"), std::string::npos);
        }
    }
    FieldReader empty("", "/x/NFL.lge");
    EXPECT_THROW(empty.text(), lf::FileError);
    EXPECT_THROW(FieldReader::fromFile("/no/such/dir/league.id1"), lf::FileError);
}

TEST(SeqFields, WritingFormsReadBack) {
    const std::vector<lf::Field> fields{0, -2, std::string("Big Sky League"), 14};
    EXPECT_EQ(lf::lineForm(fields), " 0 \r\n-2 \r\nBig Sky League\r\n 14 \r\n");
    EXPECT_EQ(lf::commaLine(fields), "0,-2,\"Big Sky League\",14\r\n");
    for (const std::string& text : {lf::lineForm(fields), lf::commaLine(fields)}) {
        FieldReader in(text);
        EXPECT_EQ(in.number(), 0);
        EXPECT_EQ(in.number(), -2);
        EXPECT_EQ(in.text(), "Big Sky League");
        EXPECT_EQ(in.number(), 14);
        EXPECT_TRUE(in.atEnd());
    }
}
