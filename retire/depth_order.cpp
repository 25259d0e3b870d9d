#include "retire/depth_order.h"

#include <utility>

#include "leaguefiles/depth_chart.h"
#include "retire/group_weights.h"

namespace retire {

void orderDepthCharts(std::vector<lf::PlayerRecord>& players, int teams) {
    for (int t = 1; t <= teams; ++t) {
        for (const lf::SlotGroup& group : lf::slotGroups()) {
            if (group.count < 2) continue;
            lf::PlayerRecord* slot = &players[lf::playerRecordNumber(t, group.first) - 1];
            std::vector<int> score(group.count);
            for (int i = 0; i < group.count; ++i) score[i] = 10 * weightedSum(slot[i], group.code);
            for (int i = 0; i + 1 < group.count; ++i)
                for (int j = i + 1; j < group.count; ++j)
                    if (score[i] < score[j]) {
                        std::swap(score[i], score[j]);
                        std::swap(slot[i], slot[j]);
                    }
        }
    }
}

}  // namespace retire
