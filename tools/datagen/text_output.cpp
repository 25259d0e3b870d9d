#include "tools/datagen/text_output.h"

#include <limits>
#include <stdexcept>

#include "leaguefiles/file_io.h"

namespace datagen {

void writeLines(const std::filesystem::path& file, const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& l : lines) text += l + "\r\n";
    lf::replaceFile(file, text);
}

void writeNumbers(const std::filesystem::path& file, const std::vector<int64_t>& values,
                  size_t perLine) {
    std::vector<std::string> lines;
    for (size_t i = 0; i < values.size(); i += perLine) {
        std::string line;
        for (size_t k = i; k < values.size() && k < i + perLine; ++k) {
            if (k > i) line += ",";
            line += std::to_string(values[k]);
        }
        lines.push_back(line);
    }
    writeLines(file, lines);
}

void writeRows(const std::filesystem::path& file, const std::vector<std::vector<int64_t>>& rows) {
    std::vector<std::string> lines;
    for (const auto& row : rows) {
        std::string line;
        for (size_t k = 0; k < row.size(); ++k) {
            if (k) line += ',';
            line += std::to_string(row[k]);
        }
        lines.push_back(line);
    }
    writeLines(file, lines);
}

void checkFits16(const std::vector<int64_t>& values, const std::string& table) {
    for (int64_t v : values)
        if (v < std::numeric_limits<int16_t>::min() || v > std::numeric_limits<int16_t>::max())
            throw std::runtime_error(table + ": value " + std::to_string(v) +
                                     " does not fit a 16-bit table");
}

void write16(const std::filesystem::path& file, const std::vector<int64_t>& values) {
    checkFits16(values, file.filename().string());
    writeNumbers(file, values, 10);
}

}  // namespace datagen
