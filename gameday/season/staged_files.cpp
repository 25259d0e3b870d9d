#include "gameday/season/staged_files.h"

#include <system_error>

#include "leaguefiles/error.h"

namespace season {
namespace fs = std::filesystem;

StagedFiles::StagedFiles(SaveProbe probe) : probe_(std::move(probe)) {}

StagedFiles::~StagedFiles() { cleanUp(); }

void StagedFiles::step(const std::string& name) const {
    if (probe_) probe_(name);
}

void StagedFiles::cleanUp() {
    std::error_code ec;
    for (const Entry& e : entries_) {
        fs::remove(e.copy, ec);
        fs::remove(e.backup, ec);
    }
    entries_.clear();
}

void StagedFiles::stage(const fs::path& target,
                        const std::function<void(const fs::path&)>& write) {
    const std::string name = target.filename().string();
    Entry e{target, target.parent_path() / (name + ".saving"),
            target.parent_path() / (name + ".before"), fs::exists(target)};
    entries_.push_back(e);
    step("write " + name);
    write(e.copy);
}

void StagedFiles::install() {
    size_t installed = 0;
    try {
        // Copies of the files as they stand, to put back if a rename fails half-way.
        for (const Entry& e : entries_) {
            step("keep " + e.target.filename().string());
            if (e.existed) fs::copy_file(e.target, e.backup, fs::copy_options::overwrite_existing);
        }
        for (const Entry& e : entries_) {
            step("install " + e.target.filename().string());
            fs::rename(e.copy, e.target);
            ++installed;
        }
    } catch (const std::exception& failure) {
        std::error_code ec;
        for (size_t i = 0; i < installed; ++i) {
            const Entry& e = entries_[i];
            if (e.existed)
                fs::rename(e.backup, e.target, ec);
            else
                fs::remove(e.target, ec);
        }
        cleanUp();
        if (dynamic_cast<const lf::FileError*>(&failure)) throw;
        throw lf::FileError(failure.what());
    }
    cleanUp();
}

}  // namespace season
