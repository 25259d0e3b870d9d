#pragma once
// rushing.dat and the short and long tables of the nine runs (fullback, halfback and any
// other runner; plunge, off tackle, end run), from data/src/runs.txt.
#include <filesystem>

#include "tools/datagen/summary.h"

namespace datagen {

Summary buildRunTables(const std::filesystem::path& src, const std::filesystem::path& out);

}  // namespace datagen
