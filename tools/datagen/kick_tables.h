#pragma once
// Kickoff returns, punt distances (from the own side and on a short field) and punt
// returns, from data/src/kicks.txt.
#include <filesystem>

#include "tools/datagen/summary.h"

namespace datagen {

Summary buildKickTables(const std::filesystem::path& src, const std::filesystem::path& out);

}  // namespace datagen
