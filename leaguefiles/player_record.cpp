#include "leaguefiles/player_record.h"

#include <stdexcept>

#include "leaguefiles/fixed_field.h"
#include "leaguefiles/stat_index.h"

namespace lf {
namespace rating {
namespace {

struct RatingName {
    std::string_view code;
    std::string_view label;
};

constexpr std::array<RatingName, Count> Names{{
    {"DUR", "Durability"},  {"PWR", "Power"},        {"SPD", "Speed"},
    {"RUN", "Rush"},        {"PAS", "Pass"},         {"CAT", "Catch"},
    {"RBK", "Run Block"},   {"PBK", "Pass Block"},   {"RDF", "Run Defense"},
    {"PDF", "Pass Defense"}, {"BLZ", "Blitz"},       {"PNT", "Punt"},
    {"KIK", "Kick"},        {"PRT", "Punt Return"},  {"KRT", "Kick Return"},
}};

const RatingName& nameOf(int p) {
    if (p < 1 || p > Count) throw std::out_of_range("rating " + std::to_string(p));
    return Names[p - 1];
}

}  // namespace

std::string_view code(int p) { return nameOf(p).code; }
std::string_view label(int p) { return nameOf(p).label; }

}  // namespace rating

namespace {

constexpr size_t Position = 0, First = 2, Last = 12, Number = 22, Years = 24, Ratings = 26;
constexpr size_t Spare = 42, Injury = 54, Stats = 58;

size_t ratingAt(int p) {
    if (p < 1 || p > rating::Count) throw std::out_of_range("rating " + std::to_string(p));
    return Ratings + static_cast<size_t>(p - 1);
}

size_t statAt(int i) {
    if (i < 0 || i > stat::PlayerLast)
        throw std::out_of_range("player statistic " + std::to_string(i));
    return Stats + 2 * static_cast<size_t>(i);
}

}  // namespace

std::string PlayerRecord::position() const { return trimmedText(bytes.data(), Position, 2); }
std::string PlayerRecord::firstName() const { return trimmedText(bytes.data(), First, 10); }
std::string PlayerRecord::lastName() const { return trimmedText(bytes.data(), Last, 10); }
std::string PlayerRecord::displayName() const {
    // Put together in a buffer and copied once: rosters copy a name per player for every
    // game. A missing first or last name leaves no stray blank.
    const auto field = [this](size_t offset, size_t width) {
        return trimmedView(std::string_view(reinterpret_cast<const char*>(bytes.data() + offset), width));
    };
    const std::string_view first = field(First, 10), last = field(Last, 10);
    char name[21];
    size_t n = 0;
    for (char c : first) name[n++] = c;
    if (!first.empty() && !last.empty()) name[n++] = ' ';
    for (char c : last) name[n++] = c;
    return std::string(name, n);
}
void PlayerRecord::setPosition(std::string_view v) { putText(bytes.data(), Position, 2, v); }
void PlayerRecord::setFirstName(std::string_view v) { putText(bytes.data(), First, 10, v); }
void PlayerRecord::setLastName(std::string_view v) { putText(bytes.data(), Last, 10, v); }

int PlayerRecord::number() const { return getInt16(bytes.data(), Number); }
int PlayerRecord::years() const { return getInt16(bytes.data(), Years); }
void PlayerRecord::setNumber(int v) { putInt16(bytes.data(), Number, v); }
void PlayerRecord::setYears(int v) { putInt16(bytes.data(), Years, v); }

std::string_view PlayerRecord::ratingsText() const {
    return std::string_view(reinterpret_cast<const char*>(bytes.data() + Ratings), 16);
}
void PlayerRecord::setRatingsText(std::string_view v) { putText(bytes.data(), Ratings, 16, v); }

int PlayerRecord::rating(int p) const {
    const uint8_t c = bytes[ratingAt(p)];
    return c >= '0' && c <= '9' ? c - '0' : 0;
}

void PlayerRecord::setRating(int p, int value) {
    if (value < 0 || value > 9)
        throw std::out_of_range("rating value " + std::to_string(value));
    bytes[ratingAt(p)] = static_cast<uint8_t>('0' + value);
}

void PlayerRecord::setRatings(const std::array<int, rating::Count>& values) {
    for (int p = 1; p <= rating::Count; ++p) setRating(p, values[p - 1]);
    bytes[Ratings + 15] = ' ';
}

std::string PlayerRecord::spareText() const { return rawText(bytes.data(), Spare, 12); }

std::string PlayerRecord::injuryText() const { return rawText(bytes.data(), Injury, 4); }

int PlayerRecord::injury() const {
    // Leading digits after any blanks; blanks alone, or no digits, mean not injured.
    const std::string_view text =
        trimmedView(std::string_view(reinterpret_cast<const char*>(bytes.data() + Injury), 4));
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') break;
        value = value * 10 + (c - '0');
    }
    return value;
}

void PlayerRecord::setInjury(int quarters) {
    if (quarters < 0 || quarters > 9999)
        throw std::out_of_range("injury " + std::to_string(quarters));
    putText(bytes.data(), Injury, 4, std::to_string(quarters));
}

void PlayerRecord::setInjuryText(std::string_view v) { putText(bytes.data(), Injury, 4, v); }

int PlayerRecord::stat(int i) const { return getInt16(bytes.data(), statAt(i)); }
void PlayerRecord::setStat(int i, int value) { putInt16(bytes.data(), statAt(i), value); }

void PlayerRecord::resetForNewLeague() {
    setInjuryText("0");
    for (int i = 1; i <= stat::PlayerLast; ++i) setStat(i, 0);
}

void PlayerRecord::resetForNewSeason() {
    setInjuryText("");
    for (int i = 1; i <= stat::PlayerLast; ++i) setStat(i, stat::isMaxType(i) ? stat::None : 0);
}

}  // namespace lf
