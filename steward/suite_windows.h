#pragma once
// The windows of the other programs as the manager sees them.
#include <vector>

#include "ui/automation_client.h"

namespace steward {

// Every program's shown windows. The listing also asks this program, so the event loop keeps
// serving while it runs on a thread of its own.
std::vector<ui::automation::Window> suiteWindows();

// This process's id as automation reports it.
long long ownPid();

}  // namespace steward
