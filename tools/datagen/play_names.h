#pragma once
// ocalls.dat: formation descriptors and the names of every offensive and defensive call,
// from data/src/play_names.txt.
#include <filesystem>

#include "tools/datagen/summary.h"

namespace datagen {

Summary buildPlayNames(const std::filesystem::path& src, const std::filesystem::path& out);

}  // namespace datagen
