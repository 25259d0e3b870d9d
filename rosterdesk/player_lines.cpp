#include "rosterdesk/player_lines.h"

#include "leaguefiles/fixed_field.h"

namespace newedit {

namespace {

std::string fitted(std::string text, size_t width) {
    text.resize(width, ' ');
    return text;
}

std::string rightAligned(int value, size_t width) {
    const std::string digits = std::to_string(value);
    return digits.size() >= width ? digits : std::string(width - digits.size(), ' ') + digits;
}

// A blank and the character for each rating; an extra blank sets off the rating groups.
// gapAfter lists the places (1-based) followed by the extra blank.
std::string ratingColumns(const std::string& ratings, std::array<int, 5> gapAfter, bool zeroAsDot) {
    std::string out;
    for (size_t p = 1; p <= ratings.size(); ++p) {
        const char c = ratings[p - 1];
        out += ' ';
        out += zeroAsDot && c == '0' ? '.' : c;
        for (int g : gapAfter)
            if (g == int(p)) out += ' ';
    }
    return out;
}

std::string ratingDigits(const lf::PlayerRecord& player) {
    std::string digits;
    for (int p = 1; p <= lf::rating::Count; ++p) digits += char('0' + player.rating(p));
    return digits;
}

}  // namespace

std::string nameWithInjury(const lf::PlayerRecord& player) {
    std::string name = player.firstName() + " " + player.lastName();
    if (player.injury() > 0) name += " (" + lf::trim(player.injuryText()) + ")";
    return name;
}

std::string depthChartLabel(const lf::PlayerRecord& player) {
    return player.position() + " " + nameWithInjury(player);
}

const std::array<std::string, 3>& playerListHeadings() {
    static const std::array<std::string, 3> headings = {
        "                                Y  D P S  R P C  R P  R P B  P K  P K",
        "                                R  U W P  U A A  B B  D D L  N I  R R",
        "Pos Name                        S  R R D  N S T  K K  F F Z  T K  T T"};
    return headings;
}

std::string playerListLine(const lf::PlayerRecord& player, int place) {
    return fitted(player.position() + std::to_string(place) + " " + nameWithInjury(player), 29) +
           rightAligned(player.years(), 4) + " " +
           ratingColumns(ratingDigits(player), {3, 6, 8, 11, 13}, false);
}

const std::array<std::string, 3>& rosterHeadings() {
    static const std::array<std::string, 3> headings = {
        "                           Y  D P S  R P C  R P  R P B  P K  P K",
        "                           R  U W P  U A A  B B  D D L  N I  R R",
        "PO Name                    S  R R D  N S T  K K  F F Z  T K  T T"};
    return headings;
}

std::string rosterLine(const lf::PlayerRecord& player) {
    std::string name(1, ' ');
    name.append(player.position()).append(" ").append(player.firstName()).append(" ").append(player.lastName());
    return fitted(name, 25) +
           rightAligned(player.years(), 3) + " " +
           ratingColumns(std::string(player.ratingsText()), {3, 6, 8, 11, 13}, true);
}

const std::array<std::string, 3>& tradeHeadings() {
    static const std::array<std::string, 3> headings = {
        "                             N   Y D P S  R P C  R P  R P B  P K  P K",
        "                             U   R U W P  U A A  B B  D D L  N I  R R",
        "Team Player                  M   S R R D  N S T  K K  F F Z  T K  T T"};
    return headings;
}

std::string tradeLine(const std::string& code, const lf::PlayerRecord& player) {
    std::string upperCode = code;
    for (char& c : upperCode)
        if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
    return fitted(upperCode, 5) + fitted(player.firstName() + " " + player.lastName(), 21) +
           rightAligned(player.number(), 4) + rightAligned(player.years(), 4) +
           ratingColumns(ratingDigits(player), {3, 6, 8, 11, 13}, true);
}

}  // namespace newedit
