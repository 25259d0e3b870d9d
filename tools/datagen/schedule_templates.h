#pragma once
// The ten schedule templates s1t8.sea ... s2t32.sea, from the pairing design in
// data/src/schedules.txt.
#include <filesystem>
#include <vector>

#include "tools/datagen/summary.h"

namespace datagen {

// One game of a week: position `visitor` at position `home`.
struct Game {
    int visitor;
    int home;
};
using Week = std::vector<Game>;

Summary buildScheduleTemplates(const std::filesystem::path& src, const std::filesystem::path& out);

}  // namespace datagen
