#pragma once
// Whole-file reading and safe replacement, shared by the text and record formats.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace lf {

// The bytes of a file; FileError "File not found" / "Cannot read file" with the path.
std::string readFile(const std::filesystem::path& file);

// Writes the bytes to a temporary file beside `file` and renames it over `file`, so a
// failure leaves the old file as it was. FileError on failure.
void replaceFile(const std::filesystem::path& file, std::string_view bytes);

// The lines of a text file, split at CR LF, LF or CR, without the line ends.
std::vector<std::string> readLines(const std::filesystem::path& file);

}  // namespace lf
