#pragma once
// The six team settings as the editor shows them: slider ranges and the names
// cut from fixed-width lists.
#include <array>
#include <string>

namespace newedit {

struct SettingRange {
    int min;
    int max;
    int width;              // width of one name in the list
    const char* names;      // names of values min..max, each `width` characters
};

// Positions 1..6 of the settings field: surface, temperature, wind,
// precipitation, offensive style, defensive style.
inline constexpr int SettingCount = 6;
const SettingRange& settingRange(int position);

// A stored digit raised to the slider's minimum or lowered to its maximum.
int clampSetting(int position, int digit);

// Name of value v of a setting, as shown beside its slider (trailing blanks trimmed).
std::string settingName(int position, int value);

// The 18-character settings field holding the six values as digits.
std::string settingsText(const std::array<int, SettingCount>& values);

}  // namespace newedit
