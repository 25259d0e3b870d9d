#include "steward/league_list.h"

#include <algorithm>
#include <system_error>

#include "leaguefiles/error.h"
#include "leaguefiles/file_io.h"
#include "leaguefiles/league_dir.h"
#include "leaguefiles/league_file.h"
#include "leaguefiles/seq_fields.h"

namespace steward {
namespace fs = std::filesystem;

namespace {

std::string upper(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
    return text;
}

bool hasAnyFile(const fs::path& folder) {
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        if (it->is_regular_file(ec)) return true;
    return false;
}

}  // namespace

std::vector<std::string> findLeagues(const fs::path& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        if (!it->is_regular_file(ec)) continue;
        const std::string file = it->path().filename().string();
        if (file.size() > 4 && upper(file).ends_with(".LGE")) names.push_back(file.substr(0, file.size() - 4));
    }
    std::sort(names.begin(), names.end());
    return names;
}

void writeLeagueList(const fs::path& file, const std::vector<std::string>& leagues) {
    std::string text = lf::commaLine({static_cast<int>(leagues.size())});
    for (const std::string& name : leagues) text += lf::commaLine({name});
    lf::replaceFile(file, text);
}

std::vector<std::string> readLeagueList(const fs::path& file) {
    lf::FieldReader reader = lf::FieldReader::fromFile(file);
    const int count = reader.number();
    std::vector<std::string> names;
    for (int i = 0; i < count && !reader.atEnd(); ++i) names.push_back(reader.text());
    return names;
}

std::optional<std::vector<std::string>> rebuildLeagueList(const fs::path& folder) {
    if (!hasAnyFile(folder)) return std::nullopt;
    std::vector<std::string> leagues = findLeagues(folder);
    writeLeagueList(lf::resolve(folder, LeagueListFile), leagues);
    return leagues;
}

std::string activeLeagueLine(const fs::path& folder) {
    try {
        const std::vector<std::string> lines = lf::readLines(lf::resolve(folder, lf::LeaguePointerFile));
        if (lines.empty()) return {};
        const size_t start = lines.front().find_first_not_of(' ');
        return start == std::string::npos ? std::string() : lines.front().substr(start);
    } catch (const lf::FileError&) {
        return {};
    }
}

std::string aboutText(const std::vector<std::string>& leagues, const std::string& activeLeague) {
    std::string text = "The KRO Manager Version 7.1\n\nKRO Leagues (" + std::to_string(leagues.size()) + "):\n";
    for (const std::string& name : leagues) text += name + "\n";
    return text + "Active League: " + activeLeague;
}

}  // namespace steward
