#pragma once
// The installation data that ships beside the programs, copied into a league directory.
#include <filesystem>

namespace simseason {

// Copies every shipped file of the data folder `from` (its regular files, not the
// sources, tests or build files) into `to`. std::filesystem::filesystem_error on failure.
void installData(const std::filesystem::path& from, const std::filesystem::path& to);

}  // namespace simseason
