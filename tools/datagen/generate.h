#pragma once
// Builds every installation file in `out` from the sources in `src`.
#include <filesystem>

#include "tools/datagen/summary.h"

namespace datagen {

Summary generateAll(const std::filesystem::path& src, const std::filesystem::path& out);

}  // namespace datagen
