#pragma once
// One line per table of what its model promises, printed by datagen so that a person
// tuning the parameters sees the effect without playing games.
#include <string>
#include <vector>

#include "tools/datagen/distribution.h"

namespace datagen {

using Summary = std::vector<std::string>;

// "name: mean 4.3, loss 10.0%, 0 8.0%, 10+ 15.0%, 20+ 4.0%"
std::string describeGain(const std::string& name, const Distribution& d);

}  // namespace datagen
