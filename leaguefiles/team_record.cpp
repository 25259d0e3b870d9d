#include "leaguefiles/team_record.h"

#include <cctype>
#include <stdexcept>

#include "leaguefiles/fixed_field.h"
#include "leaguefiles/stat_index.h"

namespace lf {
namespace {

constexpr size_t City = 0, Nickname = 15, Code = 30, Stadium = 34, Coach = 54, SettingsAt = 74;
constexpr size_t OwnAt = 92, OppAt = 294, H2hRecordAt = 496, H2hPointsAt = 562;

size_t element(size_t base, int i, int last) {
    if (i < 0 || i > last) throw std::out_of_range("team record element " + std::to_string(i));
    return base + 2 * static_cast<size_t>(i);
}

}  // namespace

std::string TeamRecord::city() const { return trimmedText(bytes.data(), City, 15); }
std::string TeamRecord::nickname() const { return trimmedText(bytes.data(), Nickname, 15); }
std::string TeamRecord::code() const { return trimmedText(bytes.data(), Code, 4); }
std::string TeamRecord::stadium() const { return trimmedText(bytes.data(), Stadium, 20); }
std::string TeamRecord::coach() const { return trimmedText(bytes.data(), Coach, 20); }
std::string TeamRecord::settings() const { return rawText(bytes.data(), SettingsAt, 18); }

void TeamRecord::setCity(std::string_view v) { putText(bytes.data(), City, 15, v); }
void TeamRecord::setNickname(std::string_view v) { putText(bytes.data(), Nickname, 15, v); }
void TeamRecord::setCode(std::string_view v) {
    std::string upper(v);
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    putText(bytes.data(), Code, 4, upper);
}
void TeamRecord::setStadium(std::string_view v) { putText(bytes.data(), Stadium, 20, v); }
void TeamRecord::setCoach(std::string_view v) { putText(bytes.data(), Coach, 20, v); }
void TeamRecord::setSettings(std::string_view v) { putText(bytes.data(), SettingsAt, 18, v); }

int TeamRecord::setting(int p) const {
    if (p < 1 || p > Settings) throw std::out_of_range("setting " + std::to_string(p));
    const uint8_t c = bytes[SettingsAt + p - 1];
    return c >= '0' && c <= '9' ? c - '0' : 0;
}

void TeamRecord::setSetting(int p, int value) {
    if (p < 1 || p > Settings || value < 0 || value > 9)
        throw std::out_of_range("setting " + std::to_string(p) + " = " + std::to_string(value));
    bytes[SettingsAt + p - 1] = static_cast<uint8_t>('0' + value);
}

int TeamRecord::own(int i) const { return getInt16(bytes.data(), element(OwnAt, i, stat::TeamLast)); }
int TeamRecord::opp(int i) const { return getInt16(bytes.data(), element(OppAt, i, stat::TeamLast)); }
void TeamRecord::setOwn(int i, int value) {
    putInt16(bytes.data(), element(OwnAt, i, stat::TeamLast), value);
}
void TeamRecord::setOpp(int i, int value) {
    putInt16(bytes.data(), element(OppAt, i, stat::TeamLast), value);
}

int TeamRecord::h2hRecord(int t) const {
    return getInt16(bytes.data(), element(H2hRecordAt, t, LastOpponent));
}
int TeamRecord::h2hPoints(int t) const {
    return getInt16(bytes.data(), element(H2hPointsAt, t, LastOpponent));
}
void TeamRecord::setH2hRecord(int t, int value) {
    putInt16(bytes.data(), element(H2hRecordAt, t, LastOpponent), value);
}
void TeamRecord::setH2hPoints(int t, int value) {
    putInt16(bytes.data(), element(H2hPointsAt, t, LastOpponent), value);
}

void TeamRecord::resetForNewLeague() {
    resetForNewSeason();
    for (int i : stat::MaxTypes) {
        setOwn(i, stat::None);
        setOpp(i, stat::None);
    }
}

void TeamRecord::resetForNewSeason() {
    for (int i = 1; i <= stat::TeamLast; ++i) {
        setOwn(i, 0);
        setOpp(i, 0);
    }
    for (int t = 1; t <= LastOpponent; ++t) {
        setH2hRecord(t, 0);
        setH2hPoints(t, 0);
    }
}

}  // namespace lf
