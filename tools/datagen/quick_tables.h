#pragma once
// dlychart.dat, qkchart.dat and the short and long tables of the quick passes (screens and
// flairs to a halfback or anyone else, quick ins and outs to a wide receiver or anyone
// else), from data/src/quick_passes.txt.
#include <filesystem>

#include "tools/datagen/summary.h"

namespace datagen {

Summary buildQuickTables(const std::filesystem::path& src, const std::filesystem::path& out);

}  // namespace datagen
