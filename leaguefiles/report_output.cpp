#include "leaguefiles/report_output.h"

#include <fstream>
#include <system_error>

#include "leaguefiles/error.h"
#include "leaguefiles/file_io.h"

namespace lf {

std::string withSignPlace(int n) {
    std::string out(n < 0 ? 0 : 1, ' ');
    return out.append(std::to_string(n));
}

std::string reportTitle(std::string_view caption, int season, std::optional<int> week) {
    std::string title = std::string(caption) + "  Season " + withSignPlace(season);
    if (week) title += "  Week " + withSignPlace(*week);
    return title;
}

void writeReport(const std::filesystem::path& file, WriteMode mode, std::string_view title,
                 const std::vector<std::string>& lines) {
    std::string text = "\r\n" + std::string(title) + "\r\n";
    for (const std::string& line : lines) text += line + "\r\n";

    std::error_code ec;
    const std::filesystem::path folder = file.parent_path().empty() ? "." : file.parent_path();
    if (file.filename().empty()) throw FileError("Bad file name", file);
    if (!std::filesystem::is_directory(folder, ec)) throw FileError("Path not found", file);
    if (std::filesystem::is_directory(file, ec)) throw FileError("Path/File access error", file);
    if (mode == WriteMode::Replace) {
        replaceFile(file, text);
        return;
    }
    const bool existed = std::filesystem::exists(file, ec);
    const uintmax_t before = existed ? std::filesystem::file_size(file, ec) : 0;
    std::ofstream out(file, std::ios::binary | std::ios::app);
    if (!out) throw FileError("Cannot open file for appending", file);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.close();
    if (!out) {
        // Take back a partial report so the file holds only whole ones.
        if (existed)
            std::filesystem::resize_file(file, before, ec);
        else
            std::filesystem::remove(file, ec);
        throw FileError("Cannot write file", file);
    }
}

}  // namespace lf
