#include "steward/viewer_file.h"

#include "leaguefiles/cp1252.h"
#include "leaguefiles/error.h"
#include "leaguefiles/file_io.h"
#include "leaguefiles/league_dir.h"
#include "leaguefiles/league_file.h"
#include "leaguefiles/seq_fields.h"

namespace steward {
namespace fs = std::filesystem;

namespace {

char16_t folded(char16_t c) {
    if (c >= u'A' && c <= u'Z') return static_cast<char16_t>(c + 32);
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<char16_t>(c + 32);
    return c;
}

}  // namespace

std::string archiveFileName(const std::string& type) {
    if (type.size() >= 4 && type[type.size() - 4] == '.') return type;
    return type + ".txt";
}

std::optional<std::string> otherNameProblem(const std::string& name) {
    if (name.find_first_not_of(' ') == std::string::npos) return "You must input a file name!";
    if (name.find('/') != std::string::npos || name.find('\\') != std::string::npos ||
        name.find("..") != std::string::npos)
        return "The file name \"" + name +
               "\" is not allowed: the file must lie in the league's archive folder, so the name may hold "
               "neither \"/\", \"\\\" nor \"..\".";
    return std::nullopt;
}

fs::path archiveFilePath(const fs::path& folder, const std::string& league, const std::string& file) {
    return lf::resolve(lf::archiveFolder(folder, league), file);
}

std::string editorText(const std::string& bytes) {
    std::string text;
    text.reserve(bytes.size());
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r') {
            text += '\n';
            if (i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
        } else {
            text += bytes[i];
        }
    }
    return lf::cp1252ToUtf8(text);
}

std::string fileBytes(const std::string& editor) {
    const std::string bytes = lf::utf8ToCp1252(editor);
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 32);
    for (char c : bytes) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

std::optional<size_t> findText(const std::u16string& text, const std::u16string& what, size_t from) {
    if (what.empty() || what.size() > text.size()) return std::nullopt;
    for (size_t at = from; at + what.size() <= text.size(); ++at) {
        size_t i = 0;
        while (i < what.size() && folded(text[at + i]) == folded(what[i])) ++i;
        if (i == what.size()) return at;
    }
    return std::nullopt;
}

ViewerPlacement readViewerPlacement(const fs::path& folder) {
    ViewerPlacement placement;
    try {
        lf::FieldReader reader = lf::FieldReader::fromFile(lf::resolve(folder, "fileview.dat"));
        if (reader.text() != "0") return placement;
        placement.top = reader.number();
        placement.left = reader.number();
        placement.width = reader.number();
        placement.height = reader.number();
        placement.state = reader.number();
        placement.stored = placement.width > 0 && placement.height > 0;
    } catch (const lf::FileError&) {
        return ViewerPlacement{};
    }
    return placement;
}

void writeViewerPlacement(const fs::path& folder, const ViewerPlacement& p) {
    std::string text = lf::commaLine({std::string("0")});
    for (int value : {p.top, p.left, p.width, p.height, p.state}) text += lf::commaLine({value});
    lf::replaceFile(lf::resolve(folder, "fileview.dat"), text);
}

}  // namespace steward
