#pragma once
// Existing files and folders of the league directory are found without regard to case;
// a name that does not exist yet keeps the spelling asked for, so new files get it.
#include <filesystem>
#include <string_view>

namespace lf {

// dir / the existing entry whose name equals `name` ignoring ASCII case, else dir / name.
// An exact match wins over a case-insensitive one.
std::filesystem::path resolve(const std::filesystem::path& dir, std::string_view name);

// The league directory: the working directory at the time of the call.
std::filesystem::path leagueDirectory();

}  // namespace lf
