#pragma once
// A set of league files replaced together: each new content is written to a copy beside
// its file first, and only when every copy is written are they renamed into place, in the
// order they were staged. A failure before that point leaves every file untouched; a
// failure while renaming puts back the files already replaced.
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace season {

// Called with the name of each step ("write TEST.tms", "install TEST.tms") before it is
// taken; a test throws from it to stand for a failing disk.
using SaveProbe = std::function<void(const std::string& step)>;

class StagedFiles {
public:
    explicit StagedFiles(SaveProbe probe = {});
    ~StagedFiles();  // removes copies that were never installed
    StagedFiles(const StagedFiles&) = delete;
    StagedFiles& operator=(const StagedFiles&) = delete;

    // Writes the new content of `target` through `write`, which is given the path of the
    // copy to create.
    void stage(const std::filesystem::path& target,
               const std::function<void(const std::filesystem::path&)>& write);

    // Renames every copy over its file. lf::FileError on failure, with the league as before.
    void install();

private:
    struct Entry {
        std::filesystem::path target;
        std::filesystem::path copy;
        std::filesystem::path backup;
        bool existed = false;
    };
    void step(const std::string& name) const;
    void cleanUp();

    SaveProbe probe_;
    std::vector<Entry> entries_;
};

}  // namespace season
