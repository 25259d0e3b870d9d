#pragma once
// The first and last names (data/src/first_names.txt, last_names.txt, one per line) and
// the shipped name lists name1.rdm and name2.rdm: ten characters per name, padded with
// blanks, no separators.
#include <filesystem>
#include <string>
#include <vector>

#include "tools/datagen/summary.h"

namespace datagen {

inline constexpr size_t NameWidth = 10;

// The names of a source list; refuses one longer than ten characters, one with a
// character other than letters, blanks, "'" and "-", and a name listed twice.
std::vector<std::string> readNames(const std::filesystem::path& file);

Summary buildNameLists(const std::filesystem::path& src, const std::filesystem::path& out);

}  // namespace datagen
