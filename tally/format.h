// Field rules shared by every statistics report: fixed widths, rounding, sorting.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace tally {

// Nearest integer, exact halves to the even neighbour. Values within a hair of a half
// (a ratio like 3/8 * 10 computed in floating point) count as the half.
long long roundHalfEven(double value);

// Number as written with a sign place: a blank before a non-negative value.
std::string signPlace(long long value);

// Plain decimal padded on the left to `width`; a longer text keeps its leftmost characters.
std::string intField(long long value, int width);

// Sign-place text, then the rightmost three characters (1234 shows 234).
std::string threeChar(long long value);

// Tenths with halves to even, no zero before the point (0.4 gives .4), right-justified
// in `width`; a longer text keeps its rightmost characters.
std::string oneDecimal(double value, int width);

// "##0.0": at least one digit before the point and one after.
std::string fixedOneDecimal(double value);

// "##.#": whole digits only when the whole part is not zero; zero tenths show nothing,
// so 0 prints ".".
std::string optionalOneDecimal(double value);

// Text padded with blanks on the right, or cut, to exactly `width` characters.
std::string padRight(const std::string& text, std::size_t width);
std::string padLeft(const std::string& text, std::size_t width);
// The last `width` characters of the text (all of it when shorter).
std::string rightmost(const std::string& text, std::size_t width);

// The 14-character name column.
std::string nameField(const std::string& text);

// Longest-play values hold -999 until a first play; reports show that as 0.
long long longest(long long value);

// Ratio that is 0 when the denominator is zero or below.
double ratio(double numerator, double denominator);

// Descending exchange sort of order[from..to) on key(entry); equal keys are left
// wherever the exchanges put them.
void exchangeSort(std::vector<int>& order, std::size_t from, std::size_t to,
                  const std::function<long long(int)>& key);

// Whole seconds as minutes and seconds, minutes right-justified in two: " 9:05".
std::string clockTime(long long seconds);

// Three digits of the season number: 7 gives "007".
std::string seasonTag(int season);

std::string trim(const std::string& text);
std::string upper(const std::string& text);

}  // namespace tally
