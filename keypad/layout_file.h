#pragma once
// "layout.dat": how many buttons the keypad shows, then the target and key of all twenty.
// "keypad.dat": where the keypad stood. No Qt here.
#include <array>
#include <filesystem>
#include <optional>
#include <string>

namespace keypad {

inline constexpr const char* LayoutFile = "layout.dat";
inline constexpr const char* PositionFile = "keypad.dat";
inline constexpr int ButtonCount = 20;
// Positions are kept in twips, 15 to a pixel.
inline constexpr int TwipsPerPixel = 15;

inline constexpr const char* InvalidLayoutMessage =
    "Your layout.dat file contains an invalid configuration. Please update the file with a valid "
    "configuration or reset the Keypad layout by going to Options from The KRO Manager's main menu!";

struct Button {
    std::string target;  // a window title of the game program, "TIMEOUT" or "SPECIAL"
    std::string key;     // the keystrokes, and the button's caption
};

struct Layout {
    int shown = 12;  // 12, 14, 16, 18 or 20
    std::array<Button, ButtonCount> buttons;
};

// The layout in the file, or nothing when it cannot be read or shows a count not allowed.
std::optional<Layout> readLayout(const std::filesystem::path& file);

// The window height in twips for a count of shown buttons.
int windowHeightTwips(int shown);

struct Position {
    bool centre = true;
    int top = 0, left = 0;  // twips
};

// The stored position; the reset word keypad, a missing or damaged file mean none is stored.
Position readPosition(const std::filesystem::path& file);

// "0" in quotes, top and left, each on its own CR LF line.
void writePosition(const std::filesystem::path& file, int top, int left);

}  // namespace keypad
