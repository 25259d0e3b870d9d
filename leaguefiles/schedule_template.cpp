#include "leaguefiles/schedule_template.h"

#include <charconv>

#include "leaguefiles/error.h"
#include "leaguefiles/seq_fields.h"

namespace lf {

std::string scheduleTemplateName(int season, int teams) {
    return std::string(season % 2 != 0 ? "s1t" : "s2t") + std::to_string(teams) + ".sea";
}

namespace {

// "3a7" -> {3, 7}; nothing else is a pairing.
bool parsePairing(const std::string& field, Pairing& out) {
    const size_t a = field.find_first_of("aA");
    if (a == std::string::npos || a == 0 || a + 1 >= field.size()) return false;
    const char* s = field.data();
    const auto v = std::from_chars(s, s + a, out.visitor);
    const auto h = std::from_chars(s + a + 1, s + field.size(), out.home);
    return v.ec == std::errc() && v.ptr == s + a && h.ec == std::errc() &&
           h.ptr == s + field.size();
}

}  // namespace

std::vector<Pairing> readScheduleTemplate(const std::filesystem::path& file, int weeks,
                                          int teams) {
    FieldReader in = FieldReader::fromFile(file);
    const int count = weeks * (teams / 2);
    std::vector<Pairing> pairings;
    pairings.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        if (in.atEnd())
            throw FileError("Input past end of file (" + std::to_string(i) + " of " +
                                std::to_string(count) + " games)",
                            file);
        const std::string field = in.text();
        Pairing p{};
        if (!parsePairing(field, p) || p.visitor < 1 || p.visitor > teams || p.home < 1 ||
            p.home > teams)
            throw FileError("Bad game \"" + field + "\" in schedule template", file);
        pairings.push_back(p);
    }
    return pairings;
}

}  // namespace lf
