#pragma once
// The selection window "Select A League" (Sel4leag).
#include <QString>
#include <filesystem>

namespace commish {

// Shows the league files of dir; returns the text under "Current League:" on "OK": the
// chosen file name, or `current` when none was chosen.
QString runSelectWindow(const std::filesystem::path& dir, const QString& current);

}  // namespace commish
