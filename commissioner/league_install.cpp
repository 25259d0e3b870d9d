#include "commissioner/league_install.h"

#include <functional>
#include <system_error>

#include "leaguefiles/error.h"
#include "leaguefiles/league_dir.h"

namespace fs = std::filesystem;

namespace commish {
namespace {

void removeQuietly(const fs::path& path) {
    std::error_code ec;
    fs::remove_all(path, ec);
}

void renameOrThrow(const fs::path& from, const fs::path& to) {
    std::error_code ec;
    fs::rename(from, to, ec);
    if (ec) throw lf::FileError("Cannot move " + from.filename().string() + " (" + ec.message() + ")", to);
}

// A copy of file in backup that costs nothing where the file system allows a second link.
void keepCopy(const fs::path& file, const fs::path& backup) {
    std::error_code ec;
    fs::create_hard_link(file, backup, ec);
    if (ec && !fs::copy_file(file, backup, ec))
        throw lf::FileError("Cannot keep a copy of " + file.filename().string(), backup);
}

}  // namespace

fs::path makeStagingFolder(const fs::path& dir, const std::string& name) {
    const fs::path staging = dir / (name + ".creating");
    removeQuietly(staging);
    std::error_code ec;
    if (!fs::create_directory(staging, ec)) throw lf::FileError("Cannot create folder", staging);
    return staging;
}

void install(const Installation& in) {
    const fs::path aside = in.dir / (fs::path(in.staging).filename().string() + ".old");
    removeQuietly(aside);
    // What has been done, as the steps that undo it, latest last.
    std::vector<std::function<void()>> undo;
    const auto moveBack = [](fs::path from, fs::path to) {
        return [from, to] {
            std::error_code ec;
            fs::rename(from, to, ec);
        };
    };
    try {
        std::error_code ec;
        if (!fs::create_directory(aside, ec)) throw lf::FileError("Cannot create folder", aside);
        for (const std::string& name : in.files) {
            const fs::path target = in.dir / name;
            const fs::path old = lf::resolve(in.dir, name);
            if (fs::exists(old, ec) && old.filename() == target.filename()) {
                // Replaced in one rename, so a program reading it meanwhile sees old or new.
                keepCopy(old, aside / name);
                renameOrThrow(in.staging / name, target);
                undo.push_back(moveBack(aside / name, target));
                continue;
            }
            if (fs::exists(old, ec)) {
                renameOrThrow(old, aside / old.filename());
                undo.push_back(moveBack(aside / old.filename(), old));
            }
            renameOrThrow(in.staging / name, target);
            undo.push_back([target] {
                std::error_code ec;
                fs::remove(target, ec);
            });
        }
        const fs::path oldArchive = lf::resolve(in.dir, in.archive);
        const bool archiveExists = fs::is_directory(oldArchive, ec);
        if (archiveExists && in.emptyArchive) {
            const fs::path kept = aside / ("archive-" + oldArchive.filename().string());
            renameOrThrow(oldArchive, kept);
            undo.push_back(moveBack(kept, oldArchive));
        }
        if (!archiveExists || in.emptyArchive) {
            const fs::path archive = in.dir / in.archive;
            if (!fs::create_directory(archive, ec)) throw lf::FileError("Cannot create folder", archive);
            undo.push_back([archive] { removeQuietly(archive); });
        }
    } catch (const lf::FileError&) {
        for (auto it = undo.rbegin(); it != undo.rend(); ++it) (*it)();
        removeQuietly(aside);
        removeQuietly(in.staging);
        throw;
    }
    removeQuietly(aside);
    removeQuietly(in.staging);
}

}  // namespace commish
