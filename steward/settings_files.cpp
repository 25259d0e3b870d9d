#include "steward/settings_files.h"

#include <array>

#include "leaguefiles/error.h"
#include "leaguefiles/file_io.h"
#include "leaguefiles/league_dir.h"
#include "leaguefiles/seq_fields.h"

namespace steward {
namespace fs = std::filesystem;

namespace {

struct ResetFile {
    Reset reset;
    const char* file;
    lf::Field value;
};

const std::array<ResetFile, 4> kPositionResets{{
    {Reset::FileViewerPosition, "fileview.dat", std::string("fileview")},
    {Reset::BatchplayPosition, "batchplay.dat", 0},
    {Reset::StandingsPosition, "standings.dat", std::string("standings")},
    {Reset::KeypadPosition, "keypad.dat", std::string("keypad")},
}};

struct KeypadButton {
    const char* target;
    const char* key;
};

constexpr std::array<KeypadButton, 12> kDefaultButtons{{
    {"offense", "1221"}, {"timeout", "Y"}, {"offense", "1321"}, {"timeout", "N"},
    {"offense", "3241"}, {"timeout", "H"}, {"offense", "3242"}, {"special", "Enter"},
    {"offense", "PU"},   {"defense", "601"}, {"offense", "FG"}, {"defense", "605"},
}};

std::string fields(const std::vector<lf::Field>& values) {
    std::string text;
    for (const lf::Field& value : values) text += lf::commaLine({value});
    return text;
}

}  // namespace

std::string readLocation(const fs::path& folder) {
    try {
        lf::FieldReader reader = lf::FieldReader::fromFile(lf::resolve(folder, "path.dat"));
        return reader.atEnd() ? std::string() : reader.text();
    } catch (const lf::FileError&) {
        return {};
    }
}

void writeLocation(const fs::path& folder, const std::string& location) {
    lf::replaceFile(lf::resolve(folder, "path.dat"), lf::commaLine({location}));
}

std::vector<std::string> readFileTypes(const fs::path& folder) {
    std::vector<std::string> types;
    try {
        lf::FieldReader reader = lf::FieldReader::fromFile(lf::resolve(folder, "types.dat"));
        const int count = reader.number();
        for (int i = 0; i < count && !reader.atEnd(); ++i) types.push_back(reader.text());
    } catch (const lf::FileError&) {
    }
    return types;
}

void writeFileTypes(const fs::path& folder, const std::vector<std::string>& types) {
    std::vector<lf::Field> values{static_cast<int>(types.size())};
    for (const std::string& type : types) values.emplace_back(type);
    lf::replaceFile(lf::resolve(folder, "types.dat"), fields(values));
}

bool changeControlHidden(const fs::path& folder) {
    try {
        lf::FieldReader reader = lf::FieldReader::fromFile(lf::resolve(folder, "custom.dat"));
        return reader.number() == 0;
    } catch (const lf::FileError&) {
        return false;
    }
}

void writeChangeControl(const fs::path& folder, bool hidden) {
    lf::replaceFile(lf::resolve(folder, "custom.dat"), lf::commaLine({hidden ? 0 : 1}));
}

std::string defaultLayout() {
    std::vector<lf::Field> values{12};
    for (int k = 0; k < 20; ++k) {
        const KeypadButton& button = k < static_cast<int>(kDefaultButtons.size()) ? kDefaultButtons[k]
                                                                                    : kDefaultButtons[0];
        values.emplace_back(std::string(button.target));
        values.emplace_back(std::string(button.key));
    }
    return fields(values);
}

void writeReset(const fs::path& folder, Reset reset) {
    if (reset == Reset::KeypadLayout) {
        lf::replaceFile(lf::resolve(folder, "layout.dat"), defaultLayout());
        return;
    }
    for (const ResetFile& entry : kPositionResets)
        if (entry.reset == reset) lf::replaceFile(lf::resolve(folder, entry.file), lf::commaLine({entry.value}));
}

}  // namespace steward
