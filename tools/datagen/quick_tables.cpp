#include "tools/datagen/quick_tables.h"

#include <string>

#include "tools/datagen/pair_tables.h"
#include "tools/datagen/text_output.h"

namespace datagen {
namespace {

constexpr int ChartSize = 30;
constexpr int64_t PairTotal = 100000;

struct QuickTable {
    const char* section;
    const char* file;
    const char* chart;
    int depthBonus;  // yards the game adds to a catch of this depth away from the goal line
};
constexpr QuickTable Tables[] = {{"halfback.screen", "hbqk", "screen_chart", 0},
                                 {"other.screen", "fbqk", "screen_chart", 0},
                                 {"receiver.quick", "wrqk", "quick_chart", 1},
                                 {"other.quick", "teqk", "quick_chart", 1}};

}  // namespace

Summary buildQuickTables(const std::filesystem::path& src, const std::filesystem::path& out) {
    const Params p = Params::load(src / "quick_passes.txt");
    const std::vector<int> edges{-3, -2, -1, 0, 1, 2, 3};
    const Chart screen = readChart(p, "screen_chart", ChartSize);
    const Chart quick = readChart(p, "quick_chart", ChartSize);
    writeRows(out / "dlychart.dat", chartRows(screen, edges, p.getInt("screen_chart", "edge_shift")));
    writeRows(out / "qkchart.dat", chartRows(quick, edges, p.getInt("quick_chart", "edge_shift")));

    const LongLayout layout{-2, 46, -1,
                            {{41, 41, 50}, {42, 51, 60}, {43, 61, 70}, {44, 71, 80}, {45, 81, 90}, {46, 91, 1000}}};
    Summary s;
    for (const QuickTable& t : Tables) {
        // The model gives the yards of the catch; the tables hold them without the bonus.
        const Distribution catchYards = gainDistribution(readGainModel(p, t.section));
        const Chart& chart = std::string(t.chart) == "screen_chart" ? screen : quick;
        const PairTables pair = buildPair(shifted(catchYards, -t.depthBonus), chart, layout, PairTotal);
        writeNumbers(out / (std::string(t.file) + ".dat"), pair.shortTable, 10);
        writeNumbers(out / (std::string(t.file) + "yds.dat"), pair.longTable, 10);
        s.push_back(describeGain(t.file, catchYards));
    }
    return s;
}

}  // namespace datagen
