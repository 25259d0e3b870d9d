// "standings.dat": where the live standings window stood and whether it stays on top.
#pragma once

#include <filesystem>
#include <optional>

namespace live {

inline constexpr const char* PositionFile = "standings.dat";
// Positions are kept in twips, 15 to a pixel.
inline constexpr int TwipsPerPixel = 15;

struct Placement {
    bool centre = true;
    std::optional<int> top, left;  // twips; unset keeps the designed place
    bool stayOnTop = false;
};

// The placement the file asks for. The word standings in the first field, a missing file
// or an unreadable position mean no position is stored: centred, not on top.
Placement readPlacement(const std::filesystem::path& file);

// The quoted flag, top and left, each on its own CR LF line.
void writePosition(const std::filesystem::path& file, bool stayOnTop, int top, int left);

}  // namespace live
