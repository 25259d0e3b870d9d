#pragma once
// Backup and restore: every league's files, the suite's settings files and the leagues'
// archive folders, copied from one folder to another.
#include <filesystem>
#include <functional>
#include <string>

namespace steward {

enum class Direction { Backup, Restore };

// What happens to a file that already exists in the destination archive folder.
enum class ArchiveRule {
    CopyAll,               // copied again
    KeepExisting,          // left alone
    KeepExistingButTexts,  // left alone unless it ends in ".txt" or ".log"
};

// The rule of "Backup"/"Restore" (the check box decides) or of "Alt. Send"/"Alt. Get".
ArchiveRule archiveRule(bool altButton, bool doNotRecopy);

struct Transfer {
    std::filesystem::path from, to;
    Direction direction = Direction::Backup;
    ArchiveRule rule = ArchiveRule::CopyAll;
};

inline constexpr const char* MarkerFile = "backup.dat";

// Copies the leagues found in `from` (by their ".LGE" files), then the suite files, then the
// archive folders. Each step is announced to status as its status line. Any failed copy or
// folder operation stops the transfer with "Status:      Transfer Interrupted" and false;
// what was copied before stays copied. Every file is replaced whole, so a failure never
// leaves a half-written file behind.
bool runTransfer(const Transfer& transfer, const std::function<void(const std::string&)>& status);

// The status line of a step, e.g. "Status:      Backing up NFL.TMS".
std::string statusLine(const std::string& text);

}  // namespace steward
