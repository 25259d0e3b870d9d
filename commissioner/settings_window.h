#pragma once
// The league settings form (Changlge): title, team count and division names.
#include <QString>
#include <optional>

#include "commissioner/league_settings.h"

namespace commish {

// Shows the form modal under this caption, starting from `form`. The league it describes on
// "Save" (state and season from base), or nothing when it is cancelled.
std::optional<lf::League> runSettingsForm(const QString& caption, LeagueSettings form,
                                          const lf::League& base = {});

}  // namespace commish
