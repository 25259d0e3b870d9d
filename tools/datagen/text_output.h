#pragma once
// The shipped text files: lines ending in CR LF, numbers separated by commas.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace datagen {

void writeLines(const std::filesystem::path& file, const std::vector<std::string>& lines);

// The values, `perLine` to a line.
void writeNumbers(const std::filesystem::path& file, const std::vector<int64_t>& values,
                  size_t perLine);

// One line per row.
void writeRows(const std::filesystem::path& file, const std::vector<std::vector<int64_t>>& rows);

// Refuses a value that does not fit a 16-bit table.
void checkFits16(const std::vector<int64_t>& values, const std::string& table);

// A 16-bit table, ten values to a line, after checkFits16.
void write16(const std::filesystem::path& file, const std::vector<int64_t>& values);

}  // namespace datagen
