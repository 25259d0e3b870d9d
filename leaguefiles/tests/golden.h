#pragma once
// Expected record images built by hand from the field offsets.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

template <size_t N>
struct Golden {
    std::array<uint8_t, N> bytes{};
    Golden& text(size_t offset, size_t width, std::string_view s) {
        for (size_t i = 0; i < width; ++i) bytes[offset + i] = i < s.size() ? s[i] : ' ';
        return *this;
    }
    Golden& i16(size_t offset, int v) {
        bytes[offset] = static_cast<uint8_t>(v & 0xFF);
        bytes[offset + 1] = static_cast<uint8_t>((v >> 8) & 0xFF);
        return *this;
    }
};
