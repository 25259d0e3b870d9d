#include "gameday/help_lists.h"

namespace gameday {

const std::vector<std::string_view>& offenseHelp() {
    static const std::vector<std::string_view> lines = {
        "                               PLAYS                               ",
        "11 - Plunge            21 - Screen Right      31 - Slant Right",
        "12 - Off Tackle Right  22 - Screen Left       32 - Slant Middle",
        "13 - Off Tackle Left   23 - Flair Right       33 - Slant Left",
        "14 - End Run Right     24 - Flair Left        34 - Square Out Right",
        "15 - End Run Left      25 - Quick In Right    35 - Square Out Left",
        "16 - Draw              26 - Quick In Midddle  36 - Post Right",
        "17 - Reverse Right     27 - Quick In Left     37 - Post Left",
        "18 - Reverse Left      28 - Quick Out Right   38 - Flag Right",
        "19 - Option Pass       29 - Quick Out Left    39 - Flag Left",
        " RUNNERS/RECEIVERS ",
        "0 - QB     5 - WR 2",
        "1 - FB     6 - WR 3",
        "2 - HB 1   7 - WR 4",
        "3 - HB 2   8 - TE 1",
        "4 - WR 1   9 - TE 2",
        "               FORMATIONS               ",
        "0 - --- HB1 --- WR1 WR2 --- ---  TE1 TE2",
        "1 - --- HB1 --- WR1 WR2 WR3 ---  TE1 ---",
        "2 - --- HB1 --- WR1 WR2 WR3 WR4  --- ---",
        "3 - HB1 HB2 --- WR1 WR2 --- ---  TE1 ---",
        "4 - FB1 HB1 --- WR1 --- --- ---  TE1 TE2",
        "5 - FB1 HB1 --- WR1 WR2 --- ---  TE1 ---",
        "6 - FB1 HB1 --- WR1 WR2 WR3 ---  --- ---",
        "7 - FB1 HB1 HB2 --- --- --- ---  TE1 TE2",
        "8 - FB1 HB1 HB2 WR1 --- --- ---  TE1 ---",
        "9 - FB1 HB1 HB2 WR1 WR2 --- ---  --- ---",
        "           COACHING DECISIONS           ",
        "FG = Field Goal                PU = Punt",
        "         SUB = Make Substitution         ",
        "             GAME COMMANDS              ",
        "  CONTROL = Change Head Coach Control   ",
        "      LOG = Show Play-By-Play Log       ",
        "      STAT = Show Game Statistics       ",
    };
    return lines;
}

const std::vector<std::string_view>& defenseHelp() {
    static const std::vector<std::string_view> lines = {
        "  FORMATIONS             PLAYS                 RUN/PASS BLITZES   ",
        "    1 - 32        01 - Run                   12/19 - All           ",
        "    2 - 33        02 - Tight                 13/20 - Left          ",
        "    3 - 34        03 - Short Yardage         14/21 - Middle        ",
        "    4 - 41        04 - Goal Line             15/22 - Right         ",
        "    5 - 42        05 - Pass                  16/23 - Left + Middle ",
        "    6 - 43        06 - Bump & Run            17/24 - Left + Right  ",
        "    7 - 44        07 - Short Zone            18/25 - Middle + Right",
        "                  08 - LB Drop              ",
        "                  09 - Deep Zone            ",
        "                  10 - Deep Corner Zone",
        "                  11 - Free Safety Blitz",
    };
    return lines;
}

}  // namespace gameday
