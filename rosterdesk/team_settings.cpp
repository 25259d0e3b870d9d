#include "rosterdesk/team_settings.h"

#include <algorithm>
#include <stdexcept>

namespace newedit {

namespace {
const std::array<SettingRange, SettingCount> ranges = {{
    {1, 3, 18, "Outdoor Grass     Outdoor ArtificialIndoor Artificial "},
    {1, 5, 6, "Hot   Warm  NormalCool  Cold  "},
    {1, 3, 6, "Windy NormalCalm  "},
    {1, 3, 6, "Rainy NormalDry   "},
    {1, 3, 9, "Pass MoreBalanced Run More "},
    {1, 2, 16, "Aggressive BlitzNormal Blitz    "},
}};
}  // namespace

const SettingRange& settingRange(int position) {
    if (position < 1 || position > SettingCount)
        throw std::out_of_range("team setting position " + std::to_string(position));
    return ranges[position - 1];
}

int clampSetting(int position, int digit) {
    const SettingRange& r = settingRange(position);
    return std::clamp(digit, r.min, r.max);
}

std::string settingName(int position, int value) {
    const SettingRange& r = settingRange(position);
    std::string name = std::string(r.names).substr((clampSetting(position, value) - 1) * r.width, r.width);
    name.erase(name.find_last_not_of(' ') + 1);
    return name;
}

std::string settingsText(const std::array<int, SettingCount>& values) {
    std::string text;
    for (int p = 1; p <= SettingCount; ++p)
        text += char('0' + clampSetting(p, values[p - 1]));
    text.resize(18, ' ');
    return text;
}

}  // namespace newedit
