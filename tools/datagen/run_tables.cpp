#include "tools/datagen/run_tables.h"

#include <string>

#include "tools/datagen/pair_tables.h"
#include "tools/datagen/text_output.h"

namespace datagen {
namespace {

constexpr int ChartSize = 35;
constexpr int64_t PairTotal = 100000;

struct Runner {
    const char* section;
    const char* file;
};
constexpr Runner Runners[] = {{"fullback", "fb"}, {"halfback", "hb"}, {"other", "qb"}};
constexpr Runner RunTypes[] = {{"plunge", "pp"}, {"off_tackle", "ot"}, {"end_run", "er"}};

}  // namespace

Summary buildRunTables(const std::filesystem::path& src, const std::filesystem::path& out) {
    const Params p = Params::load(src / "runs.txt");
    const Chart chart = readChart(p, "chart", ChartSize);
    // Blocking edges 4 down to -4; the game reads the row of edge 0.
    writeRows(out / "rushing.dat",
              chartRows(chart, {4, 3, 2, 1, 0, -1, -2, -3, -4}, p.getInt("chart", "edge_shift")));

    const LongLayout layout{-2, 47, 0, {{41, 41, 50}, {42, 51, 60}, {43, 61, 70}, {44, 71, 80}, {45, 81, 1000}}};
    Summary s;
    for (const Runner& r : Runners)
        for (const Runner& t : RunTypes) {
            const std::string section = std::string(r.section) + "." + t.section;
            const std::string name = std::string(r.file) + t.file;
            const Distribution gain = gainDistribution(readGainModel(p, section));
            const PairTables pair = buildPair(gain, chart, layout, PairTotal);
            writeNumbers(out / (name + ".dat"), pair.shortTable, 10);
            writeNumbers(out / (name + "yds.dat"), pair.longTable, 10);
            s.push_back(describeGain(name, gain));
        }
    return s;
}

}  // namespace datagen
