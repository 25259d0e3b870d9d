#pragma once
// The file viewer's files: names in a league's archive folder, the text as the editor holds
// it, searching, and the stored window position "fileview.dat".
#include <filesystem>
#include <optional>
#include <string>

namespace steward {

// A file type as a file name: ".txt" appended unless its fourth character from the end is ".".
std::string archiveFileName(const std::string& type);

// Why a typed file name cannot be used, or nothing when it names a file right in the archive
// folder: an empty name, a folder separator or ".." would reach outside it.
std::optional<std::string> otherNameProblem(const std::string& name);

// folder / league + "Archive" / file, each found without case.
std::filesystem::path archiveFilePath(const std::filesystem::path& folder, const std::string& league,
                                      const std::string& file);

// File bytes (Windows-1252, CR LF) as the editor's UTF-8 text with "\n" line ends, and back.
std::string editorText(const std::string& fileBytes);
std::string fileBytes(const std::string& editorText);

// Position of the first match of what in text at or after from, letters compared without case.
std::optional<size_t> findText(const std::u16string& text, const std::u16string& what, size_t from);

struct ViewerPlacement {
    bool stored = false;  // false: the window keeps its designed place
    int top = 0, left = 0, width = 0, height = 0, state = 0;
};

// "fileview.dat": "0", top, left, width, height, state; the reset word or a damaged or
// missing file means nothing is stored.
ViewerPlacement readViewerPlacement(const std::filesystem::path& folder);
void writeViewerPlacement(const std::filesystem::path& folder, const ViewerPlacement& placement);

}  // namespace steward
