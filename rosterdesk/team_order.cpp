#include "rosterdesk/team_order.h"

#include <utility>

namespace newedit {

std::string teamDisplayName(const lf::TeamRecord& team) { return team.city() + " " + team.nickname(); }

std::vector<int> teamOrder(const std::vector<std::string>& names) {
    std::vector<int> order;
    for (int t = 1; t <= int(names.size()); ++t) order.push_back(t);
    for (size_t i = 0; i + 1 < order.size(); ++i)
        for (size_t j = i + 1; j < order.size(); ++j)
            if (names[order[i] - 1] > names[order[j] - 1]) std::swap(order[i], order[j]);
    return order;
}

std::vector<std::string> chooserEntries(const std::vector<std::string>& names,
                                        const std::vector<int>& order) {
    std::vector<std::string> entries{"CANCEL"};
    for (int t : order) entries.push_back(names[t - 1]);
    return entries;
}

int chosenTeam(const std::vector<int>& order, int index) {
    return index >= 1 && index <= int(order.size()) ? order[index - 1] : 0;
}

}  // namespace newedit
