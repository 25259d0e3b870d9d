#pragma once
// Text-file output of every report: an empty line, the title line, then the report's
// lines, each ended by CR LF. Lines are single-byte (Windows-1252) text, written as given.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lf {

enum class WriteMode { Append, Replace };

// " 3" for 3, "-2" for -2.
std::string withSignPlace(int n);

// caption + "  Season " + season [+ "  Week " + week], numbers with a sign place.
std::string reportTitle(std::string_view caption, int season, std::optional<int> week = {});

// Append adds to the end of the file (creating it); Replace starts it afresh. The output
// is built whole first and written at once. FileError (nothing written) when the path is
// empty or its folder missing, and on any write failure.
void writeReport(const std::filesystem::path& file, WriteMode mode, std::string_view title,
                 const std::vector<std::string>& lines);

}  // namespace lf
