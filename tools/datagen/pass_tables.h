#pragma once
// The tables of the longer passes, from data/src/passes.txt: the pass outcome of short and
// long drops and of the option pass, the completions by receiver kind, the sack losses,
// the scramble and the interception returns.
#include <filesystem>

#include "tools/datagen/summary.h"

namespace datagen {

Summary buildPassTables(const std::filesystem::path& src, const std::filesystem::path& out);

}  // namespace datagen
