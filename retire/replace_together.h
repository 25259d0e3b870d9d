#pragma once
// Replacing several files of a league as one change: every new file is written beside its
// target first, the old ones are kept until all new ones are in place, and a failure on the
// way puts every old file back.
#include <filesystem>
#include <functional>
#include <vector>

namespace retire {

struct FileWrite {
    std::filesystem::path file;
    // Writes the new contents to the path it is given (a file beside `file`).
    std::function<void(const std::filesystem::path&)> write;
};

// All files replaced, or none: FileError naming the file that failed, the old files as they were.
void replaceTogether(const std::vector<FileWrite>& writes);

}  // namespace retire
