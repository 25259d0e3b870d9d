#pragma once
// The one exception type of the league files. what() is the text a program shows
// in its message box: what failed and the path it failed on.
#include <filesystem>
#include <stdexcept>
#include <string>

namespace lf {

class FileError : public std::runtime_error {
public:
    explicit FileError(const std::string& what) : std::runtime_error(what) {}
    // "<what>: <path>", e.g. "File not found: /league/NFL.tms".
    FileError(const std::string& what, const std::filesystem::path& path)
        : std::runtime_error(what + ": " + path.string()) {}
};

}  // namespace lf
