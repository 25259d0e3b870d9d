#include "commissioner/tests/template_fixture.h"

#include <unistd.h>

#include <fstream>
#include <sstream>
#include <vector>

#include "leaguefiles/league_file.h"
#include "leaguefiles/player_record.h"
#include "leaguefiles/record_file.h"
#include "leaguefiles/team_record.h"

namespace fs = std::filesystem;

namespace fixture {
namespace {

// stem followed by the number (built without operator+, which g++ 12 warns about here).
std::string numbered(const char* stem, int n) { return std::string(stem).append(std::to_string(n)); }

}  // namespace

fs::path freshFolder(const std::string& tag) {
    static int counter = 0;
    const fs::path dir = fs::temp_directory_path() /
                         ("veltran-" + tag + "-" + std::to_string(::getpid()) + "-" +
                          std::to_string(++counter));
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir;
}

std::string readText(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

void writeText(const fs::path& file, const std::string& text) {
    std::ofstream(file, std::ios::binary) << text;
}

void writeTemplates(const fs::path& dir) {
    std::vector<lf::TeamRecord> teams(32);
    std::vector<lf::PlayerRecord> players;
    for (int g = 1; g <= 32; ++g) {
        teams[g - 1].setCity(numbered("City", g));
        teams[g - 1].setNickname(numbered("Nick", g));
        teams[g - 1].setSettings("123321");
        teams[g - 1].setOwn(1, 77);  // statistics a new league must not keep
        for (int s = 1; s <= 50; ++s) {
            lf::PlayerRecord p;
            p.setPosition("QB");
            p.setFirstName(numbered("F", g));
            p.setLastName(numbered("L", s));
            p.setNumber(g == 1 && s == 1 ? 0 : g == 1 && s == 2 ? 120 : s);
            p.setYears(30);
            p.setRatingsText(TemplateRatings);
            p.setInjuryText("3");
            p.setStat(2, 55);
            players.push_back(p);
        }
    }
    lf::writeAll(dir / "teams.tmx", teams);
    lf::writeAll(dir / "players.plx", players);
    // Ten characters each, padded with blanks.
    const auto nameList = [](const std::string& stem, int count) {
        std::string list;
        for (int i = 1; i <= count; ++i) {
            std::string name = stem;
            name.append(std::to_string(i));
            name.resize(10, ' ');
            list.append(name);
        }
        return list;
    };
    const std::string first = nameList("First", FirstNames), last = nameList("Last", LastNames);
    writeText(dir / "name1.rdm", first);
    writeText(dir / "name2.rdm", last);
    writeScheduleTemplates(dir);
}

void writeScheduleTemplates(const fs::path& dir) {
    for (const lf::LeagueSize& size : lf::leagueSizes()) {
        const int n = size.teams;
        for (int parity = 1; parity <= 2; ++parity) {
            std::string text;
            std::vector<int> ring(n);
            for (int i = 0; i < n; ++i) ring[i] = i + 1;
            for (int w = 0; w < size.weeks; ++w) {
                for (int g = 0; g < n / 2; ++g) {
                    int v = ring[g], h = ring[n - 1 - g];
                    if ((w + parity) % 2 == 0) std::swap(v, h);
                    text.append(std::to_string(v)).append("a").append(std::to_string(h));
                    text.append(g + 1 < n / 2 ? "," : "\r\n");
                }
                // Circle method: the first team stays, the others turn by one place.
                const int lastTeam = ring[n - 1];
                for (int i = n - 1; i > 1; --i) ring[i] = ring[i - 1];
                ring[1] = lastTeam;
            }
            writeText(dir / (numbered("s", parity) + numbered("t", n) + ".sea"), text);
        }
    }
}

}  // namespace fixture
