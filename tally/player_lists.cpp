#include "tally/player_lists.h"

#include <algorithm>
#include <functional>

#include "tally/format.h"

namespace tally {

namespace {

const std::string TAB = "\t";

double gross(const Stats& s) { return ratio(s[23], s[22]); }
double net(const Stats& s) { return ratio(s[23] - s[26] - 20.0 * s[28], s[22]); }
long long scaledKey(double numerator, double denominator, double scale) {
    return denominator < 1 ? 0 : roundHalfEven(numerator / denominator * scale);
}

struct CategoryRule {
    Category category;
    bool blankFirst;
    std::vector<std::string> header;
    std::function<bool(const Stats&)> shows;
    std::function<long long(const Stats&)> key;
    std::function<std::string(const Stats&)> line;  // the columns after the name
};

std::string f(long long value, int width) { return intField(value, width); }

const std::vector<CategoryRule>& rules() {
    static const std::vector<CategoryRule> table = {
        {Category::Rushing, false, {"RUSHING          Att    Yds   TD   Lng    Avg"},
         [](const Stats& s) { return s[1] > 0; }, [](const Stats& s) { return s[2]; },
         [](const Stats& s) {
             return f(s[1], 6) + f(s[2], 7) + f(s[3], 5) + f(longest(s[4]), 6) +
                    oneDecimal(ratio(s[2], s[1]), 7);
         }},
        {Category::Receiving, true, {"RECEIVING        Rec    Yds   TD   Lng    Avg"},
         [](const Stats& s) { return s[5] > 0; }, [](const Stats& s) { return s[5]; },
         [](const Stats& s) {
             return f(s[5], 6) + f(s[6], 7) + f(s[7], 5) + f(longest(s[8]), 6) +
                    oneDecimal(ratio(s[6], s[5]), 7);
         }},
        {Category::Passing, true,
         {"PASSING         Rating   Att    Com  com%  Int   int%   Yds  YPP    TD   Lng   Sack"},
         [](const Stats& s) { return s[9] > 0 || s[15] > 0; },
         [](const Stats& s) { return s[12]; },
         [](const Stats& s) {
             return oneDecimal(passerRating(s), 8) + f(s[9], 6) + f(s[10], 7) +
                    oneDecimal(ratio(s[10], s[9]) * 100, 6) + f(s[11], 5) +
                    oneDecimal(ratio(s[11], s[9]) * 100, 7) + f(s[12], 6) +
                    oneDecimal(ratio(s[12], s[9]), 5) + f(s[13], 6) + f(longest(s[14]), 6) +
                    f(s[15], 6);
         }},
        {Category::Sacks, false, {"SACKS                 Sacks"},
         [](const Stats& s) { return s[17] > 0; }, [](const Stats& s) { return s[17]; },
         [](const Stats& s) { return f(s[17], 11); }},
        {Category::Interceptions, false, {"INTERCEPTIONS         Int   Yds  TD   Lng"},
         [](const Stats& s) { return s[18] > 0; }, [](const Stats& s) { return s[18]; },
         [](const Stats& s) {
             return f(s[18], 11) + f(s[19], 6) + f(s[20], 4) + f(longest(s[21]), 6);
         }},
        {Category::Punting, true,
         {nameField("PUNTING") + "\tPnt\t Avg\tBkd\tRet\tYds\t FC\t TB\tIn20\tLng\t Net"},
         [](const Stats& s) { return s[22] > 0 || s[24] > 0; },
         [](const Stats& s) { return scaledKey(s[23], s[22], 100); },
         [](const Stats& s) {
             std::string line = TAB + threeChar(s[22]) + TAB + optionalOneDecimal(gross(s));
             for (int k = 24; k <= 29; ++k) line += TAB + threeChar(s[k]);
             return line + TAB + threeChar(longest(s[30])) + TAB + optionalOneDecimal(net(s));
         }},
        {Category::KickReturns, true, {"KICK RETURNS    Ret     Yds      Avg     TD     Lng"},
         [](const Stats& s) { return s[36] > 0; },
         [](const Stats& s) { return scaledKey(s[37], s[36], 1000); },
         [](const Stats& s) {
             return f(s[36], 6) + TAB + threeChar(s[37]) + TAB +
                    fixedOneDecimal(ratio(s[37], s[36])) + TAB + threeChar(s[38]) + TAB +
                    threeChar(longest(s[39]));
         }},
        {Category::PuntReturns, true, {"PUNT RETURNS     Ret    Yds      Avg    TD    FC   Lng"},
         [](const Stats& s) { return s[31] > 0 || s[34] > 0; },
         [](const Stats& s) { return scaledKey(s[32], s[31], 100); },
         [](const Stats& s) {
             return f(s[31], 6) + f(s[32], 7) + oneDecimal(ratio(s[32], s[31]), 9) +
                    f(s[33], 6) + f(s[34], 6) + f(longest(s[35]), 6);
         }},
        {Category::Tackles, false, {"TACKLES             Tackles"},
         [](const Stats& s) { return s[69] > 0; }, [](const Stats& s) { return s[69]; },
         [](const Stats& s) { return f(s[69], 11); }},
        {Category::Touchdowns, false, {"TOUCHDOWNS     Total    Rush   Catch  Return"},
         [](const Stats& s) { return s[72] + s[73] + s[74] > 0; },
         [](const Stats& s) { return s[72] + s[73] + s[74]; },
         [](const Stats& s) {
             return TAB + threeChar(s[72] + s[73] + s[74]) + TAB + threeChar(s[72]) + TAB +
                    threeChar(s[73]) + TAB + threeChar(s[74]);
         }},
        {Category::FieldGoals, false,
         {"FIELD                      0-19   20-29   30-39   40-49     50+",
          "GOALS            Md/Att  Md/Att  Md/Att  Md/Att  Md/Att  Md/Att Bkd Lng"},
         [](const Stats& s) { return s[41] > 0; },
         [](const Stats& s) { return scaledKey(s[40], s[41], 1000); },
         [](const Stats& s) {
             std::string line = f(s[40], 4) + f(s[41], 5);
             for (int k = 42; k <= 52; ++k) line += f(s[k], 4);
             return line + f(longest(s[53]), 4);
         }},
    };
    return table;
}

const CategoryRule& ruleOf(Category category) {
    return *std::find_if(rules().begin(), rules().end(),
                         [&](const CategoryRule& r) { return r.category == category; });
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

std::vector<std::string> categoryHeader(Category category) { return ruleOf(category).header; }

bool categoryShows(Category category, const Stats& s) { return ruleOf(category).shows(s); }

long long categoryKey(Category category, const Stats& s) { return ruleOf(category).key(s); }

std::string categoryLine(Category category, const std::string& name, const Stats& s) {
    return nameField(name) + ruleOf(category).line(s);
}

std::vector<std::string> listCategory(Category category, const std::vector<StatRow>& rows,
                                      std::vector<int>& order) {
    exchangeSort(order, 0, order.size(),
                 [&](int row) { return categoryKey(category, rows[row].s); });
    std::vector<std::string> lines;
    const CategoryRule& rule = ruleOf(category);
    if (rule.blankFirst) lines.push_back(" ");
    lines.insert(lines.end(), rule.header.begin(), rule.header.end());
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
    return nameField(name) + f(s[57], 10) + f(s[58], 6) + f(s[60], 6) + f(s[59], 6) +
           f(s[61], 6) + f(longest(s[62]), 6);
}

std::vector<std::string> extraPointsHeader() {
    return {"EXTRA POINTS         xpm   xpa   xpb   pct   2 pt"};
}

bool extraPointsShows(const Stats& s) { return s[55] > 0 || s[67] > 0; }

std::string extraPointsLine(const std::string& name, const Stats& s) {
    long long rate = s[55] == 0 ? 0 : roundHalfEven(static_cast<double>(s[54]) / s[55] * 1000);
    return nameField(name) + f(s[54], 10) + f(s[55], 6) + f(s[56], 6) + f(rate, 6) + f(s[67], 6);
}

}  // namespace tally
