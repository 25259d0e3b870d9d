#pragma once
// Fields inside a raw record image: fixed-width single-byte text (left-aligned, padded with
// blanks, cut to the width) and 16-bit signed little-endian integers.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace lf {

// The field's characters as stored, padding included.
std::string rawText(const uint8_t* image, size_t offset, size_t width);
// The field's text with leading and trailing blanks (and NUL bytes) removed.
std::string trimmedText(const uint8_t* image, size_t offset, size_t width);
// Stores text left-aligned, cut to width or padded with blanks.
void putText(uint8_t* image, size_t offset, size_t width, std::string_view text);

int getInt16(const uint8_t* image, size_t offset);
// FileError when value lies outside -32768..32767: a value is never wrapped.
void putInt16(uint8_t* image, size_t offset, int value);

// Leading and trailing blanks and NUL bytes removed.
std::string trim(std::string_view text);
// The same, without a copy: a view into text.
std::string_view trimmedView(std::string_view text);

}  // namespace lf
