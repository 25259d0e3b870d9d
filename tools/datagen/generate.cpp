#include "tools/datagen/generate.h"

#include "tools/datagen/kick_tables.h"
#include "tools/datagen/matchup_table.h"
#include "tools/datagen/name_lists.h"
#include "tools/datagen/pass_tables.h"
#include "tools/datagen/play_names.h"
#include "tools/datagen/quick_tables.h"
#include "tools/datagen/record_labels.h"
#include "tools/datagen/reverse_table.h"
#include "tools/datagen/run_tables.h"
#include "tools/datagen/schedule_templates.h"
#include "tools/datagen/strategy_table.h"
#include "tools/datagen/team_templates.h"

namespace datagen {
namespace {

Summary buildAll(const std::filesystem::path& src, const std::filesystem::path& out) {
    Summary all;
    for (auto build : {buildStrategyTable, buildMatchupTable, buildPlayNames, buildRunTables, buildQuickTables,
                       buildPassTables, buildKickTables, buildReverseTable, buildNameLists,
                       buildTeamTemplates, buildScheduleTemplates, buildRecordLabels}) {
        const Summary s = build(src, out);
        all.insert(all.end(), s.begin(), s.end());
    }
    return all;
}

}  // namespace

Summary generateAll(const std::filesystem::path& src, const std::filesystem::path& out) {
    namespace fs = std::filesystem;
    // Build everything beside the output first: a source that fails halfway leaves the
    // shipped files as they were.
    const fs::path staging = out / ".datagen-new";
    fs::remove_all(staging);
    fs::create_directory(staging);
    Summary all;
    try {
        all = buildAll(src, staging);
        for (const auto& e : fs::directory_iterator(staging)) fs::rename(e.path(), out / e.path().filename());
    } catch (...) {
        fs::remove_all(staging);
        throw;
    }
    fs::remove_all(staging);
    return all;
}

}  // namespace datagen
