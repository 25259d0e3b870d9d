// What a report hands to its window: caption, lines and the print file to offer.
#pragma once

#include <string>
#include <vector>

namespace tally {

struct Report {
    std::string caption;
    std::vector<std::string> lines;
    std::string printFile;
    bool noStats = false;  // a leaders list with nobody qualifying
};

}  // namespace tally
