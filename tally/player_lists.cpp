#include "tally/player_lists.h"

#include <algorithm>

#include "tally/format.h"

namespace tally {

namespace {

const std::string TAB = "\t";

double gross(const Stats& s) { return ratio(s[23], s[22]); }
double net(const Stats& s) { return ratio(s[23] - s[26] - 20.0 * s[28], s[22]); }
long long scaledKey(double numerator, double denominator, double scale) {
    return denominator < 1 ? 0 : roundHalfEven(numerator / denominator * scale);
}

struct CategoryText {
    Category category;
    bool blankFirst;
    std::vector<std::string> header;
};

const std::vector<CategoryText>& texts() {
    static const std::vector<CategoryText> table = {
        {Category::Rushing, false, {"RUSHING          Att    Yds   TD   Lng    Avg"}},
        {Category::Receiving, true, {"RECEIVING        Rec    Yds   TD   Lng    Avg"}},
        {Category::Passing, true,
         {"PASSING         Rating   Att    Com  com%  Int   int%   Yds  YPP    TD   Lng   Sack"}},
        {Category::Sacks, false, {"SACKS                 Sacks"}},
        {Category::Interceptions, false, {"INTERCEPTIONS         Int   Yds  TD   Lng"}},
        {Category::Punting, true,
         {nameField("PUNTING") + "\tPnt\t Avg\tBkd\tRet\tYds\t FC\t TB\tIn20\tLng\t Net"}},
        {Category::KickReturns, true, {"KICK RETURNS    Ret     Yds      Avg     TD     Lng"}},
        {Category::PuntReturns, true, {"PUNT RETURNS     Ret    Yds      Avg    TD    FC   Lng"}},
        {Category::Tackles, false, {"TACKLES             Tackles"}},
        {Category::Touchdowns, false, {"TOUCHDOWNS     Total    Rush   Catch  Return"}},
        {Category::FieldGoals, false,
         {"FIELD                      0-19   20-29   30-39   40-49     50+",
          "GOALS            Md/Att  Md/Att  Md/Att  Md/Att  Md/Att  Md/Att Bkd Lng"}},
    };
    return table;
}

const CategoryText& textOf(Category category) {
    return *std::find_if(texts().begin(), texts().end(),
                         [&](const CategoryText& t) { return t.category == category; });
}

}  // namespace

void deriveTouchdowns(Stats& s) {
    s[72] = s[3];
    s[73] = s[7];
    s[74] = s[20] + s[33] + s[38] + s[61] + s[68];
}

double passerRating(const Stats& s) {
    double attempts = static_cast<double>(s[9]);
    double completionPct = 0, interceptionPct = 0, yardsPerAttempt = 0, touchdownPct = 0;
    if (attempts > 0) {
        completionPct = s[10] / attempts * 100;
        interceptionPct = s[11] / attempts * 100;
        yardsPerAttempt = s[12] / attempts;
        touchdownPct = s[13] / attempts * 100;
    }
    double a = std::clamp((completionPct - 30) * 0.05, 0.0, 2.375);
    double b = std::clamp((yardsPerAttempt - 3) * 0.25, 0.0, 2.375);
    double c = std::min(touchdownPct * 0.2, 2.375);
    double d = std::max(2.375 - interceptionPct * 0.25, 0.0);
    return (a + b + c + d) / 6 * 100;
}

std::vector<std::string> categoryHeader(Category category) { return textOf(category).header; }

bool categoryShows(Category category, const Stats& s) {
    switch (category) {
        case Category::Rushing: return s[1] > 0;
        case Category::Receiving: return s[5] > 0;
        case Category::Passing: return s[9] > 0 || s[15] > 0;
        case Category::Sacks: return s[17] > 0;
        case Category::Interceptions: return s[18] > 0;
        case Category::Punting: return s[22] > 0 || s[24] > 0;
        case Category::KickReturns: return s[36] > 0;
        case Category::PuntReturns: return s[31] > 0 || s[34] > 0;
        case Category::Tackles: return s[69] > 0;
        case Category::Touchdowns: return s[72] + s[73] + s[74] > 0;
        case Category::FieldGoals: return s[41] > 0;
    }
    return false;
}

long long categoryKey(Category category, const Stats& s) {
    switch (category) {
        case Category::Rushing: return s[2];
        case Category::Receiving: return s[5];
        case Category::Passing: return s[12];
        case Category::Sacks: return s[17];
        case Category::Interceptions: return s[18];
        case Category::Punting: return scaledKey(s[23], s[22], 100);
        case Category::KickReturns: return scaledKey(s[37], s[36], 1000);
        case Category::PuntReturns: return scaledKey(s[32], s[31], 100);
        case Category::Tackles: return s[69];
        case Category::Touchdowns: return s[72] + s[73] + s[74];
        case Category::FieldGoals: return scaledKey(s[40], s[41], 1000);
    }
    return 0;
}

std::string categoryLine(Category category, const std::string& name, const Stats& s) {
    std::string line = nameField(name);
    switch (category) {
        case Category::Rushing:
            return line + intField(s[1], 6) + intField(s[2], 7) + intField(s[3], 5) +
                   intField(longest(s[4]), 6) + oneDecimal(ratio(s[2], s[1]), 7);
        case Category::Receiving:
            return line + intField(s[5], 6) + intField(s[6], 7) + intField(s[7], 5) +
                   intField(longest(s[8]), 6) + oneDecimal(ratio(s[6], s[5]), 7);
        case Category::Passing:
            return line + oneDecimal(passerRating(s), 8) + intField(s[9], 6) + intField(s[10], 7) +
                   oneDecimal(ratio(s[10], s[9]) * 100, 6) + intField(s[11], 5) +
                   oneDecimal(ratio(s[11], s[9]) * 100, 7) + intField(s[12], 6) +
                   oneDecimal(ratio(s[12], s[9]), 5) + intField(s[13], 6) +
                   intField(longest(s[14]), 6) + intField(s[15], 6);
        case Category::Sacks: return line + intField(s[17], 11);
        case Category::Interceptions:
            return line + intField(s[18], 11) + intField(s[19], 6) + intField(s[20], 4) +
                   intField(longest(s[21]), 6);
        case Category::Punting:
            line += TAB + threeChar(s[22]) + TAB + optionalOneDecimal(gross(s));
            for (int k = 24; k <= 29; ++k) line += TAB + threeChar(s[k]);
            return line + TAB + threeChar(longest(s[30])) + TAB + optionalOneDecimal(net(s));
        case Category::KickReturns:
            return line + intField(s[36], 6) + TAB + threeChar(s[37]) + TAB +
                   fixedOneDecimal(ratio(s[37], s[36])) + TAB + threeChar(s[38]) + TAB +
                   threeChar(longest(s[39]));
        case Category::PuntReturns:
            return line + intField(s[31], 6) + intField(s[32], 7) +
                   oneDecimal(ratio(s[32], s[31]), 9) + intField(s[33], 6) + intField(s[34], 6) +
                   intField(longest(s[35]), 6);
        case Category::Tackles: return line + intField(s[69], 11);
        case Category::Touchdowns:
            return line + TAB + threeChar(s[72] + s[73] + s[74]) + TAB + threeChar(s[72]) + TAB +
                   threeChar(s[73]) + TAB + threeChar(s[74]);
        case Category::FieldGoals:
            line += intField(s[40], 4) + intField(s[41], 5);
            for (int k = 42; k <= 52; ++k) line += intField(s[k], 4);
            return line + intField(longest(s[53]), 4);
    }
    return line;
}

std::vector<std::string> listCategory(Category category, const std::vector<StatRow>& rows,
                                      std::vector<int>& order) {
    exchangeSort(order, 0, order.size(),
                 [&](int row) { return categoryKey(category, rows[row].s); });
    std::vector<std::string> lines;
    const CategoryText& text = textOf(category);
    if (text.blankFirst) lines.push_back(" ");
    lines.insert(lines.end(), text.header.begin(), text.header.end());
    for (int row : order)
        if (categoryShows(category, rows[row].s))
            lines.push_back(categoryLine(category, rows[row].label, rows[row].s));
    return lines;
}

std::vector<std::string> fumblesHeader() {
    return {"FUMBLES              Fum   Own   Opp   Yds    TD   Lng"};
}

bool fumblesShows(const Stats& s) { return s[57] > 0 || s[58] > 0 || s[59] > 0 || s[60] > 0; }

std::string fumblesLine(const std::string& name, const Stats& s) {
    return nameField(name) + intField(s[57], 10) + intField(s[58], 6) + intField(s[60], 6) +
           intField(s[59], 6) + intField(s[61], 6) + intField(longest(s[62]), 6);
}

std::vector<std::string> extraPointsHeader() {
    return {"EXTRA POINTS         xpm   xpa   xpb   pct   2 pt"};
}

bool extraPointsShows(const Stats& s) { return s[55] > 0 || s[67] > 0; }

std::string extraPointsLine(const std::string& name, const Stats& s) {
    long long rate = s[55] == 0 ? 0 : roundHalfEven(static_cast<double>(s[54]) / s[55] * 1000);
    return nameField(name) + intField(s[54], 10) + intField(s[55], 6) + intField(s[56], 6) +
           intField(rate, 6) + intField(s[67], 6);
}

}  // namespace tally
