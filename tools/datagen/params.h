#pragma once
// Model parameters in readable text: sections "[name]" holding lines "key = number".
// '#' starts a comment. Every parameter a model asks for must be there; a missing one is an
// error naming the file, the section and the key.
#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace datagen {

class Params {
public:
    static Params load(const std::filesystem::path& file);

    double get(std::string_view section, std::string_view key) const;
    int getInt(std::string_view section, std::string_view key) const;
    bool hasSection(std::string_view section) const;
    // Section names in file order.
    const std::vector<std::string>& sections() const { return order_; }

private:
    std::string source_;
    std::map<std::string, std::map<std::string, double>, std::less<>> values_;
    std::vector<std::string> order_;
};

// Lines of a source text without comments and surrounding blanks; empty lines dropped.
// Each entry keeps its line number for error messages.
struct SourceLine {
    int number;
    std::string text;
};
std::vector<SourceLine> readSourceLines(const std::filesystem::path& file);

// Blank-separated words of a line.
std::vector<std::string> words(std::string_view line);

// "file:line: message"
[[noreturn]] void sourceError(const std::filesystem::path& file, int line, const std::string& message);

}  // namespace datagen
