#include "leaguefiles/fixed_field.h"

#include "leaguefiles/error.h"

namespace lf {

std::string rawText(const uint8_t* image, size_t offset, size_t width) {
    return std::string(reinterpret_cast<const char*>(image + offset), width);
}

std::string_view trimmedView(std::string_view text) {
    // A NUL counts as padding: a record image nobody filled in reads as empty text.
    const auto padding = [](char c) { return c == ' ' || c == '\0'; };
    size_t first = 0, end = text.size();
    while (first < end && padding(text[first])) ++first;
    while (end > first && padding(text[end - 1])) --end;
    return text.substr(first, end - first);
}

std::string trim(std::string_view text) { return std::string(trimmedView(text)); }

std::string trimmedText(const uint8_t* image, size_t offset, size_t width) {
    return trim(std::string_view(reinterpret_cast<const char*>(image + offset), width));
}

void putText(uint8_t* image, size_t offset, size_t width, std::string_view text) {
    for (size_t i = 0; i < width; ++i)
        image[offset + i] = i < text.size() ? static_cast<uint8_t>(text[i]) : ' ';
}

int getInt16(const uint8_t* image, size_t offset) {
    return static_cast<int16_t>(static_cast<uint16_t>(image[offset] | (image[offset + 1] << 8)));
}

void putInt16(uint8_t* image, size_t offset, int value) {
    if (value < -32768 || value > 32767)
        throw FileError("Overflow: " + std::to_string(value) + " does not fit a 16-bit field");
    const auto u = static_cast<uint16_t>(value);
    image[offset] = static_cast<uint8_t>(u & 0xFF);
    image[offset + 1] = static_cast<uint8_t>(u >> 8);
}

}  // namespace lf
