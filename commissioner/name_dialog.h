#pragma once
// The name dialog "Save New League" (Lgesave).
#include <filesystem>
#include <optional>
#include <string>

namespace commish {

struct ChosenName {
    std::string name;
    bool overwrite = false;  // a league of that name exists and is to be replaced
};

// Asks for the new league's name until a legal one is given or the dialog is cancelled.
std::optional<ChosenName> runNameDialog(const std::filesystem::path& dir);

}  // namespace commish
