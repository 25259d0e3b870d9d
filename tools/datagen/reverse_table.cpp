#include "tools/datagen/reverse_table.h"

#include <cmath>
#include <cstdio>
#include <string>

#include "leaguefiles/random.h"
#include "tools/datagen/params.h"
#include "tools/datagen/text_output.h"

namespace datagen {

Summary buildReverseTable(const std::filesystem::path& src, const std::filesystem::path& out) {
    const Params p = Params::load(src / "reverse.txt");
    // Three dice: mean 10.5, standard deviation sqrt(35 / 4).
    const double diceSpread = std::sqrt(35.0 / 4.0);
    std::vector<std::vector<int64_t>> rows;
    Summary s;
    for (int c = 1; c <= 6; ++c) {
        const std::string section = "class" + std::to_string(c);
        const double mu = p.get(section, "mean");
        const double spread = p.get(section, "spread");
        std::vector<int64_t> row;
        for (int sum = 3; sum <= 18; ++sum)
            row.push_back(lf::round_half_even(mu + spread * (sum - 10.5) / diceSpread));
        char buf[120];
        std::snprintf(buf, sizeof buf, "reverse %d    %ld .. %ld yards", c, static_cast<long>(row.front()),
                      static_cast<long>(row.back()));
        s.push_back(buf);
        rows.push_back(row);
    }
    writeRows(out / "reverse.dat", rows);
    return s;
}

}  // namespace datagen
