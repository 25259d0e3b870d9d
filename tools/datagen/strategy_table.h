#pragma once
// Ologic.dat, the computer offense's strategy codes by time, score, field position, down
// and distance, from the coaching rules in data/src/strategy.txt.
#include <filesystem>

#include "tools/datagen/summary.h"

namespace datagen {

Summary buildStrategyTable(const std::filesystem::path& src, const std::filesystem::path& out);

}  // namespace datagen
