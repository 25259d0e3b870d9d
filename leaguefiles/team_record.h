#pragma once
// One team of the team file (name + ".tms") and of the template "teams.tmx": a raw
// 628-byte image, so bytes no accessor names survive every copy.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace lf {

struct TeamRecord {
    static constexpr size_t Size = 628;
    static constexpr int Settings = 6;     // setting digits 1..6
    static constexpr int LastOpponent = 32;  // head-to-head elements 0..32

    std::array<uint8_t, Size> bytes{};

    // Texts read trimmed; setters cut or pad to the width.
    std::string city() const;      // 15
    std::string nickname() const;  // 15
    std::string code() const;      // 4
    std::string stadium() const;   // 20
    std::string coach() const;     // 20
    std::string settings() const;  // 18, as stored (padding included)
    void setCity(std::string_view v);
    void setNickname(std::string_view v);
    void setCode(std::string_view v);  // stored upper case
    void setStadium(std::string_view v);
    void setCoach(std::string_view v);
    void setSettings(std::string_view v);

    // Setting digit p (1..6); a blank or any other non-digit reads 0.
    int setting(int p) const;
    // Stores value 0..9 as a digit.
    void setSetting(int p, int value);

    // Own and opponents' totals, elements 0..100 (statistics index).
    int own(int i) const;
    int opp(int i) const;
    void setOwn(int i, int value);
    void setOpp(int i, int value);

    // Head-to-head against team t, elements 0..32.
    int h2hRecord(int t) const;
    int h2hPoints(int t) const;
    void setH2hRecord(int t, int value);
    void setH2hPoints(int t, int value);

    // Totals 1..100 to 0 (-999 at the maximum-type indices), head-to-head 1..32 to 0.
    void resetForNewLeague();
    // Totals 1..100 and head-to-head 1..32 to 0.
    void resetForNewSeason();
};

}  // namespace lf
