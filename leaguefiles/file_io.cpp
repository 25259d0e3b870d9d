#include "leaguefiles/file_io.h"

#include <unistd.h>

#include <fstream>
#include <sstream>
#include <system_error>

#include "leaguefiles/error.h"

namespace lf {

std::string readFile(const std::filesystem::path& file) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec)) throw FileError("File not found", file);
    std::ifstream in(file, std::ios::binary);
    if (!in) throw FileError("Cannot open file", file);
    std::ostringstream data;
    data << in.rdbuf();
    if (in.bad()) throw FileError("Cannot read file", file);
    return data.str();
}

void replaceFile(const std::filesystem::path& file, std::string_view bytes) {
    std::error_code ec;
    const std::filesystem::path folder = file.parent_path().empty() ? "." : file.parent_path();
    if (file.filename().empty() || !std::filesystem::is_directory(folder, ec))
        throw FileError("Path not found", file);
    std::filesystem::path temp = file;
    temp += ".tmp" + std::to_string(::getpid());
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out) throw FileError("Cannot create file", file);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            std::filesystem::remove(temp, ec);
            throw FileError("Cannot write file", file);
        }
    }
    std::filesystem::rename(temp, file, ec);
    if (ec) {
        std::filesystem::remove(temp, ec);
        throw FileError("Cannot replace file", file);
    }
}

std::vector<std::string> readLines(const std::filesystem::path& file) {
    const std::string data = readFile(file);
    std::vector<std::string> lines;
    std::string line;
    for (size_t i = 0; i < data.size(); ++i) {
        const char c = data[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(line);
            line.clear();
            if (c == '\r' && i + 1 < data.size() && data[i + 1] == '\n') ++i;
        } else {
            line += c;
        }
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

}  // namespace lf
