#include "commissioner/league_selection.h"

#include <algorithm>
#include <system_error>

namespace commish {

std::string upper(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return out;
}

std::vector<std::string> leagueFiles(const std::filesystem::path& dir) {
    std::vector<std::string> names;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.size() > 4 && upper(name.substr(name.size() - 4)) == ".LGE" &&
            it->is_regular_file(ec))
            names.push_back(name);
    }
    std::sort(names.begin(), names.end(),
              [](const std::string& a, const std::string& b) { return upper(a) < upper(b); });
    return names;
}

std::optional<std::string> chosenLeague(std::string_view chosen, std::string_view oldName) {
    std::string name = upper(chosen);
    const size_t ext = name.find(".LGE");
    if (ext == std::string::npos) return std::nullopt;
    name.resize(ext);
    if (name.empty() || name == upper(oldName)) return std::nullopt;
    return name;
}

bool leagueExists(const std::filesystem::path& dir, std::string_view name) {
    const std::string wanted = upper(name) + ".LGE";
    for (const std::string& file : leagueFiles(dir))
        if (upper(file) == wanted) return true;
    return false;
}

}  // namespace commish
