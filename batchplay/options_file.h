#pragma once
// "batchplay.dat": where the simulator's window stood and whether it stays on top.
#include <filesystem>

namespace batchplay {

inline constexpr const char* OptionsFile = "batchplay.dat";
inline constexpr const char* OptionsMarker = "batchplayoption";
// Positions are kept in twips, 15 to a pixel.
inline constexpr int TwipsPerPixel = 15;

struct Options {
    bool centre = true;
    bool stayOnTop = false;
    int top = 1, left = 1;  // twips, used when not centred
};

// The options the file asks for. A missing or damaged file, or one without the marker first,
// centres the window and leaves stay on top off. Top and left below 1 become 1; both at 1 centre.
Options readOptions(const std::filesystem::path& file);

// The marker, "1" or "0" for stay on top, top and left, one value per CR LF line.
void writeOptions(const std::filesystem::path& file, bool stayOnTop, int top, int left);

}  // namespace batchplay
