#include "tools/datagen/pass_tables.h"

#include <cmath>
#include <cstdio>
#include <stdexcept>
#include <string>

#include "tools/datagen/pair_tables.h"
#include "tools/datagen/text_output.h"

namespace datagen {
namespace {

constexpr int64_t OutcomeTotal = 100000;  // 32-bit tables
constexpr int64_t SmallTotal = 10000;     // 16-bit tables

// Outcome index of a drop-back: 1..11 a throw on target (a completion with a neutral
// matchup and luck), 12..19 a miss that gets wilder with the index, 20 a throw the defence
// reads, then 21 scramble, 22 pressure (the sack table decides), 23 fumbled.
// The weights at the edges (11 and 19) decide how much the matchup and the passer matter.
std::vector<double> outcomeChances(const Params& p, const std::string& s, bool option) {
    std::vector<double> c(24, 0.0);  // c[1..23]
    const double complete = p.get(s, "complete");
    const double intercept = p.get(s, "intercept");
    const double decay = p.get(s, "miss_decay");
    double special = 0;
    if (option) {
        const double keep = p.get(s, "keep");
        for (int i = 21; i <= 23; ++i) c[i] = keep / 3;
        special = keep;
    } else {
        c[21] = p.get(s, "scramble");
        c[22] = p.get(s, "sack");
        c[23] = p.get(s, "fumble");
        special = c[21] + c[22] + c[23];
    }
    const double miss = 1 - complete - intercept - special;
    if (miss <= 0 || complete <= 0 || intercept < 0)
        throw std::runtime_error("passes.txt [" + s + "]: the shares leave no room for misses");
    for (int i = 1; i <= 11; ++i) c[i] = complete / 11;
    double decayTotal = 0;
    for (int i = 12; i <= 19; ++i) decayTotal += std::pow(decay, i - 12);
    for (int i = 12; i <= 19; ++i) c[i] = miss * std::pow(decay, i - 12) / decayTotal;
    c[20] = intercept;
    return {c.begin() + 1, c.end()};
}

// Completion index -> yards of the catch, depth bonus included (the game adds 2 yards to
// a depth-3 catch and 3 to a depth-4 catch away from the goal line).
std::vector<Slot> shortCompletionSlots() {
    std::vector<Slot> s;
    for (int i = 1; i <= 26; ++i) s.push_back({i, i + 7, i + 7});
    for (int i = 27; i <= 33; ++i) {
        const int g = i + 4;
        s.push_back({i, 10 * g - 277, 10 * g - 268});
    }
    return s;
}

std::vector<Slot> longCompletionSlots() {
    std::vector<Slot> s;
    for (int i = 1; i <= 23; ++i) s.push_back({i, i + 20, i + 20});
    for (int i = 24; i <= 29; ++i) {
        const int g = i + 17;
        s.push_back({i, 10 * g - 366, 10 * g - 357});
    }
    return s;
}

std::string describeOutcome(const std::string& name, const std::vector<double>& c) {
    double complete = 0, miss = 0;
    for (int i = 0; i < 11; ++i) complete += c[i];
    for (int i = 11; i < 19; ++i) miss += c[i];
    char buf[200];
    std::snprintf(buf, sizeof buf, "%-12s on target %4.1f%%  miss %4.1f%%  picked %4.1f%%  other %4.1f%%",
                  name.c_str(), 100 * complete, 100 * miss, 100 * c[19], 100 * (c[20] + c[21] + c[22]));
    return buf;
}

}  // namespace

Summary buildPassTables(const std::filesystem::path& src, const std::filesystem::path& out) {
    const Params p = Params::load(src / "passes.txt");
    Summary s;

    struct Outcome {
        const char* section;
        const char* file;
        bool option;
    };
    for (const Outcome& o : {Outcome{"short.drop", "qbshort", false}, Outcome{"long.drop", "qblong", false},
                             Outcome{"option.pass", "hboption", true}}) {
        const std::vector<double> c = outcomeChances(p, o.section, o.option);
        const std::vector<int64_t> cum = cumulative(toWeights(c, o.option ? SmallTotal : OutcomeTotal));
        if (o.option)
            write16(out / "hboption.dat", cum);
        else
            writeNumbers(out / (std::string(o.file) + ".dat"), cum, 10);
        s.push_back(describeOutcome(o.file, c));
    }

    struct Catch {
        const char* section;
        const char* file;
        bool deep;
    };
    for (const Catch& c : {Catch{"receiver.short", "wrshort", false}, Catch{"tight_end.short", "teshort", false},
                           Catch{"halfback.short", "hbshort", false}, Catch{"other.short", "fbshort", false},
                           Catch{"receiver.long", "wrlong", true}, Catch{"tight_end.long", "telong", true},
                           Catch{"other.long", "hblong", true}}) {
        const Distribution yards = gainDistribution(readGainModel(p, c.section));
        const std::vector<Slot> slots = c.deep ? longCompletionSlots() : shortCompletionSlots();
        write16(out / (std::string(c.file) + ".dat"),
                cumulativeTable(yards, 1, c.deep ? 29 : 33, slots, SmallTotal));
        s.push_back(describeGain(c.file, yards));
    }

    // Sack table: -2 the passer escapes, -1 and 0 he throws it away, 1..20 yards lost.
    for (const auto& [section, file] : {std::pair{"sack.normal", "sacknorm"}, std::pair{"sack.blitz", "sackblit"}}) {
        GainModel m;
        m.gainMean = p.get(section, "loss_mean");
        m.gainFrom = 1;
        m.gainShape = p.get(section, "loss_shape");
        m.tailFrom = 24;
        Distribution loss = gainDistribution(m);
        const double escape = p.get(section, "escape");
        const double away = p.get(section, "throw_away");
        Distribution d;
        d[-2] = escape;
        d[-1] = away / 2;
        d[0] = away / 2;
        for (const auto& [y, q] : loss) d[y] += q * (1 - escape - away);
        std::vector<Slot> slots = directSlots(-2, 19);
        slots.push_back({20, 20, 1000});
        write16(out / (std::string(file) + ".dat"), cumulativeTable(d, -2, 20, slots, SmallTotal));
        s.push_back(describeGain(file, loss));
    }

    // Scramble: -1 or less is a loss, 0..40 yards as they stand, 41 a long run.
    {
        const Distribution d = gainDistribution(readGainModel(p, "scramble"));
        std::vector<Slot> slots{{-1, -1000, -1}};
        for (const Slot& x : directSlots(0, 40)) slots.push_back(x);
        slots.push_back({41, 41, 1000});
        writeNumbers(out / "qbscram.dat", cumulativeTable(d, -1, 41, slots, OutcomeTotal), 10);
        s.push_back(describeGain("qbscram", d));
    }

    for (const auto& [section, file] : {std::pair{"interception.short", "intshort"},
                                        std::pair{"interception.long", "intlong"}}) {
        const Distribution d = gainDistribution(readGainModel(p, section));
        write16(out / (std::string(file) + ".dat"), cumulativeTable(d, 0, 47, returnSlots(), SmallTotal));
        s.push_back(describeGain(file, d));
    }
    return s;
}

}  // namespace datagen
