#include "gameday/season/postseason_shape.h"

#include <array>

#include "leaguefiles/error.h"

namespace season {

namespace {

constexpr std::array<PostseasonShape, 5> kShapes{{
    // N   D  T  div/conf  wild  seeds  rounds  championship
    {8, 2, 4, 1, 0, 1, 1, 1},
    {16, 4, 4, 2, 0, 2, 2, 2},
    {24, 6, 4, 3, 2, 5, 4, 4},
    {30, 6, 5, 3, 3, 6, 4, 4},
    {32, 8, 4, 4, 2, 6, 4, 4},
}};

struct RoundNames {
    int teams;
    std::array<const char*, 4> names;  // week offsets 1..4
};

constexpr std::array<RoundNames, 5> kRoundNames{{
    {8, {"STELLAR BOWL", "PLAYOFFS", "PLAYOFFS", "STELLAR BOWL"}},
    {16, {"CONFERENCE CHAMPIONSHIPS", "STELLAR BOWL", "PLAYOFFS", "STELLAR BOWL"}},
    {24, {"WILD CARD ROUND", "SECOND ROUND", "CONFERENCE CHAMPIONSHIPS", "STELLAR BOWL"}},
    {30, {"WILD CARD ROUND", "SECOND ROUND", "CONFERENCE CHAMPIONSHIPS", "STELLAR BOWL"}},
    {32, {"WILD CARD ROUND", "SECOND ROUND", "CONFERENCE CHAMPIONSHIPS", "STELLAR BOWL"}},
}};

}  // namespace

PostseasonShape postseasonShape(int teams) {
    for (const PostseasonShape& shape : kShapes)
        if (shape.teams == teams) return shape;
    throw lf::FileError("The league file gives " + std::to_string(teams) +
                        " teams; a league has 8, 16, 24, 30 or 32");
}

bool isRound(const PostseasonShape& shape, int offset) {
    return offset >= 1 && offset <= shape.rounds;
}

std::string roundName(int teams, int offset) {
    if (offset < 1 || offset > 4) return "PLAYOFFS";
    for (const RoundNames& row : kRoundNames)
        if (row.teams == teams) return row.names[offset - 1];
    return "PLAYOFFS";
}

int divisionOf(const PostseasonShape& shape, int team) {
    return (team - 1) / shape.perDivision + 1;
}

int conferenceOf(const PostseasonShape& shape, int team) {
    return team <= shape.teams / 2 ? 1 : 2;
}

}  // namespace season
