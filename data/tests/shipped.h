#pragma once
// The shipped installation files, read the way the programs read them.
#include <filesystem>
#include <string>
#include <vector>

namespace shipped {

inline std::filesystem::path dir() { return std::filesystem::path(VELTRAN_SOURCE_DIR) / "data"; }
inline std::filesystem::path file(const std::string& name) { return dir() / name; }

// Every field of a numeric table.
std::vector<long> numbers(const std::string& name);
// Every field of a text file.
std::vector<std::string> texts(const std::string& name);

// Rows of a value table: `rows` rows of `perRow` values in file order.
std::vector<std::vector<long>> rows(const std::string& name, int rows, int perRow);

}  // namespace shipped
