#include "tools/datagen/params.h"

#include <cmath>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace datagen {
namespace {

std::string trim(std::string_view s) {
    const size_t first = s.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) return {};
    const size_t last = s.find_last_not_of(" \t\r\n");
    return std::string(s.substr(first, last - first + 1));
}

}  // namespace

void sourceError(const std::filesystem::path& file, int line, const std::string& message) {
    throw std::runtime_error(file.string() + ":" + std::to_string(line) + ": " + message);
}

std::vector<SourceLine> readSourceLines(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) throw std::runtime_error("cannot open " + file.string());
    std::vector<SourceLine> lines;
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        const size_t hash = line.find('#');
        if (hash != std::string::npos) line.erase(hash);
        std::string text = trim(line);
        if (!text.empty()) lines.push_back({number, std::move(text)});
    }
    return lines;
}

std::vector<std::string> words(std::string_view line) {
    std::istringstream in{std::string(line)};
    std::vector<std::string> out;
    for (std::string w; in >> w;) out.push_back(w);
    return out;
}

Params Params::load(const std::filesystem::path& file) {
    Params p;
    p.source_ = file.string();
    std::string section;
    for (const SourceLine& l : readSourceLines(file)) {
        if (l.text.front() == '[') {
            if (l.text.back() != ']') sourceError(file, l.number, "unclosed section name");
            section = trim(std::string_view(l.text).substr(1, l.text.size() - 2));
            if (p.values_.count(section)) sourceError(file, l.number, "section [" + section + "] twice");
            p.values_[section];
            p.order_.push_back(section);
            continue;
        }
        const size_t eq = l.text.find('=');
        if (eq == std::string::npos || section.empty())
            sourceError(file, l.number, "expected \"key = value\" inside a section");
        const std::string key = trim(std::string_view(l.text).substr(0, eq));
        const std::string value = trim(std::string_view(l.text).substr(eq + 1));
        size_t used = 0;
        double v = 0;
        try {
            v = std::stod(value, &used);
        } catch (const std::exception&) {
            used = 0;
        }
        if (used == 0 || used != value.size() || !std::isfinite(v))
            sourceError(file, l.number, "\"" + value + "\" is not a number");
        p.values_[section][key] = v;
    }
    return p;
}

double Params::get(std::string_view section, std::string_view key) const {
    const auto s = values_.find(section);
    if (s == values_.end())
        throw std::runtime_error(source_ + ": no section [" + std::string(section) + "]");
    const auto k = s->second.find(std::string(key));
    if (k == s->second.end())
        throw std::runtime_error(source_ + ": [" + std::string(section) + "] has no " +
                                 std::string(key));
    return k->second;
}

int Params::getInt(std::string_view section, std::string_view key) const {
    const double v = get(section, key);
    if (v != std::floor(v))
        throw std::runtime_error(source_ + ": [" + std::string(section) + "] " +
                                 std::string(key) + " must be a whole number");
    return static_cast<int>(v);
}

bool Params::hasSection(std::string_view section) const { return values_.count(section) > 0; }

}  // namespace datagen
