#include "leaguefiles/league_dir.h"

#include <system_error>

namespace lf {
namespace {

bool sameIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        auto lower = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c + 32 : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

}  // namespace

std::filesystem::path resolve(const std::filesystem::path& dir, std::string_view name) {
    const std::filesystem::path exact = dir / std::string(name);
    std::error_code ec;
    if (std::filesystem::exists(exact, ec)) return exact;
    for (std::filesystem::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string entry = it->path().filename().string();
        if (sameIgnoringCase(entry, name)) return it->path();
    }
    return exact;
}

std::filesystem::path leagueDirectory() { return std::filesystem::current_path(); }

}  // namespace lf
