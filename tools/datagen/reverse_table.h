#pragma once
// reverse.dat: the yards of a reverse by gain class (1 the best) and the sum of three
// dice, from data/src/reverse.txt.
#include <filesystem>

#include "tools/datagen/summary.h"

namespace datagen {

Summary buildReverseTable(const std::filesystem::path& src, const std::filesystem::path& out);

}  // namespace datagen
