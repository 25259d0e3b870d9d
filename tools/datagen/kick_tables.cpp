#include "tools/datagen/kick_tables.h"

#include <cstdio>
#include <stdexcept>
#include <string>

#include "leaguefiles/random.h"
#include "tools/datagen/pair_tables.h"
#include "tools/datagen/text_output.h"

namespace datagen {
namespace {

constexpr int64_t Total = 10000;  // every kicking table is 16-bit

// The plays of a punt that are not a kick of some distance, in the order their indices
// come in the table, and the index of a shanked kick.
constexpr const char* PuntSpecials[] = {"blocked",   "fake_complete", "fake_incomplete",
                                        "fake_intercepted", "fake_run", "punter_tackled"};

// Chances of indices first..last: the six special plays from `first`, a shank at
// first + 6, and the kicks spread over `kickSlots` by a bell of mean and spread.
std::vector<int64_t> puntTable(const Params& p, const std::string& s, int first, int last,
                               const std::vector<Slot>& kickSlots, int kickLo, int kickHi,
                               std::string& summary) {
    std::vector<double> byIndex(last - first + 1, 0.0);
    double special = 0;
    for (int k = 0; k < 6; ++k) special += byIndex[k] = p.get(s, PuntSpecials[k]);
    special += byIndex[6] = p.get(s, "shank");
    if (special >= 1) throw std::runtime_error("kicks.txt [" + s + "]: no room left for kicks");
    const Distribution kick = bellDistribution(p.get(s, "mean"), p.get(s, "spread"), kickLo, kickHi);
    const std::vector<double> c = spread(kick, kickSlots);
    for (size_t k = 0; k < kickSlots.size(); ++k) byIndex[kickSlots[k].index - first] += (1 - special) * c[k];
    char buf[160];
    std::snprintf(buf, sizeof buf, "%-12s kick mean %5.1f  not kicked %4.1f%%", s.c_str(), mean(kick), 100 * special);
    summary = buf;
    return cumulative(toWeights(byIndex, Total));
}

}  // namespace

Summary buildKickTables(const std::filesystem::path& src, const std::filesystem::path& out) {
    const Params p = Params::load(src / "kicks.txt");
    Summary s;

    const Distribution ko = gainDistribution(readGainModel(p, "kickoff.return"));
    write16(out / "koret.dat", cumulativeTable(ko, 0, 47, returnSlots(), Total));
    s.push_back(describeGain("koret", ko));

    // Punt returns: entry -1 is never read and keeps no weight; 41..45 are ten-yard bands.
    const Distribution pr = gainDistribution(readGainModel(p, "punt.return"));
    std::vector<Slot> prSlots{{0, -1000, 0}};
    for (const Slot& x : directSlots(1, 40)) prSlots.push_back(x);
    for (const Slot& b : {Slot{41, 41, 50}, Slot{42, 51, 60}, Slot{43, 61, 70}, Slot{44, 71, 80}, Slot{45, 81, 90},
                          Slot{46, 91, 1000}})
        prSlots.push_back(b);
    write16(out / "puntret.dat", cumulativeTable(pr, -1, 47, prSlots, Total));
    s.push_back(describeGain("puntret", pr));

    // Punts from the own side: index i kicks round(1.05 * i) yards; 19 and 20 are short
    // kicks, 65 and 66 the longest ones.
    std::vector<Slot> punt{{19, 12, 16}, {20, 17, 21}};
    for (int i = 21; i <= 64; ++i) {
        const int y = lf::round_half_even(1.05 * i);
        punt.push_back({i, y, y});
    }
    punt.push_back({65, 68, 74});
    punt.push_back({66, 75, 105});
    std::string line;
    write16(out / "punting.dat", puntTable(p, "punt", 12, 66, punt, 12, 105, line));
    s.push_back(line);

    // Punts on a short field: indices 8..40 kick that many yards.
    write16(out / "puntin40.dat", puntTable(p, "punt.short_field", 1, 40, directSlots(8, 40), 8, 40, line));
    s.push_back(line);
    return s;
}

}  // namespace datagen
