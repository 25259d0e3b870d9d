#include "tally/format.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>

namespace tally {

long long roundHalfEven(double value) {
    double down = std::floor(value);
    double rest = value - down;
    const double hair = 1e-9 * std::max(1.0, std::fabs(value));
    if (std::fabs(rest - 0.5) <= hair) {
        auto even = static_cast<long long>(down);
        return even % 2 == 0 ? even : even + 1;
    }
    return static_cast<long long>(rest < 0.5 ? down : down + 1);
}

std::string signPlace(long long value) {
    std::string out(value < 0 ? "" : " ");
    out += std::to_string(value);
    return out;
}

std::string rightmost(const std::string& text, std::size_t width) {
    return text.size() <= width ? text : text.substr(text.size() - width);
}

std::string padLeft(const std::string& text, std::size_t width) {
    return text.size() >= width ? text : std::string(width - text.size(), ' ') + text;
}

std::string padRight(const std::string& text, std::size_t width) {
    std::string out = text.substr(0, std::min(text.size(), width));
    out.resize(width, ' ');
    return out;
}

std::string intField(long long value, int width) {
    std::string text = std::to_string(value);
    auto w = static_cast<std::size_t>(std::max(width, 0));
    return text.size() > w ? text.substr(0, w) : padLeft(text, w);
}

std::string threeChar(long long value) {
    return rightmost("   " + signPlace(value), 3);
}

std::string oneDecimal(double value, int width) {
    std::string text = signPlace(roundHalfEven(value * 10.0));
    text.insert(text.end() - 1, '.');
    auto w = static_cast<std::size_t>(std::max(width, 0));
    return rightmost(std::string(w, ' ') + text, w);
}

std::string fixedOneDecimal(double value) {
    long long tenths = roundHalfEven(value * 10.0);
    long long whole = std::llabs(tenths) / 10;
    long long tenth = std::llabs(tenths) % 10;
    std::string out(tenths < 0 ? "-" : "");
    out += std::to_string(whole);
    out += '.';
    out += std::to_string(tenth);
    return out;
}

std::string optionalOneDecimal(double value) {
    long long tenths = roundHalfEven(value * 10.0);
    long long whole = std::llabs(tenths) / 10;
    long long tenth = std::llabs(tenths) % 10;
    std::string out(tenths < 0 ? "-" : "");
    if (whole != 0) out += std::to_string(whole);
    out += '.';
    if (tenth != 0) out += std::to_string(tenth);
    return out;
}

std::string nameField(const std::string& text) { return padRight(text, 14); }

long long longest(long long value) { return value == -999 ? 0 : value; }

double ratio(double numerator, double denominator) {
    return denominator < 1 ? 0.0 : numerator / denominator;
}

void exchangeSort(std::vector<int>& order, std::size_t from, std::size_t to,
                  const std::function<long long(int)>& key) {
    // Each entry's key is worked out once and travels with it.
    std::vector<long long> keys;
    for (std::size_t i = from; i < to; ++i) keys.push_back(key(order[i]));
    for (std::size_t i = from; i + 1 < to; ++i)
        for (std::size_t j = i + 1; j < to; ++j)
            if (keys[i - from] < keys[j - from]) {
                std::swap(order[i], order[j]);
                std::swap(keys[i - from], keys[j - from]);
            }
}

std::string clockTime(long long seconds) {
    long long minutes = seconds / 60, rest = seconds - 60 * minutes;
    std::string secs = std::to_string(rest);
    if (secs.size() < 2) secs = "0" + secs;
    return rightmost("  " + signPlace(minutes), 2) + ":" + secs;
}

std::string seasonTag(int season) { return rightmost("00" + std::to_string(season), 3); }

std::string trim(const std::string& text) {
    auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string upper(const std::string& text) {
    std::string out = text;
    for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

}  // namespace tally
