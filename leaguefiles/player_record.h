#pragma once
// One player of the player file (name + ".pla") and of the template "players.plx": a raw
// 220-byte image, so the spare text and unused elements survive every copy.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace lf {

// The fifteen ratings, by their place 1..15 in the ratings text.
namespace rating {
enum : int { DUR = 1, PWR, SPD, RUN, PAS, CAT, RBK, PBK, RDF, PDF, BLZ, PNT, KIK, PRT, KRT };
inline constexpr int Count = 15;
// Column code of rating p ("DUR") and the editor's label ("Durability").
std::string_view code(int p);
std::string_view label(int p);
}  // namespace rating

struct PlayerRecord {
    static constexpr size_t Size = 220;

    std::array<uint8_t, Size> bytes{};

    std::string position() const;   // 2, e.g. "QB"
    std::string firstName() const;  // 10, trimmed
    std::string lastName() const;   // 10, trimmed
    // Trimmed first name, one blank, trimmed last name.
    std::string displayName() const;
    void setPosition(std::string_view v);
    void setFirstName(std::string_view v);  // stored as given, cut or padded to 10
    void setLastName(std::string_view v);

    int number() const;
    int years() const;
    void setNumber(int v);
    void setYears(int v);

    // The 16 characters of the ratings field as stored, viewed in the record.
    std::string_view ratingsText() const;
    void setRatingsText(std::string_view v);
    // Rating p (1..15); a non-digit reads 0.
    int rating(int p) const;
    // Stores rating p (0..9) as a digit.
    void setRating(int p, int value);
    // Fifteen digits and a blank as the sixteenth character.
    void setRatings(const std::array<int, rating::Count>& values);

    std::string spareText() const;  // 12, as stored

    // Injury field: 4 characters of left-aligned decimal text; blanks read 0.
    std::string injuryText() const;
    int injury() const;
    void setInjury(int quarters);
    void setInjuryText(std::string_view v);

    // Statistics, elements 0..80 (statistics index).
    int stat(int i) const;
    void setStat(int i, int value);

    // Injury "0   ", statistics 1..80 to 0.
    void resetForNewLeague();
    // Injury blank, statistics 1..80 to 0 with -999 at the maximum-type indices.
    void resetForNewSeason();
};

}  // namespace lf
