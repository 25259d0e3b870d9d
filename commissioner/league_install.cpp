#include "commissioner/league_install.h"

#include <system_error>

#include "leaguefiles/error.h"
#include "leaguefiles/league_dir.h"

namespace fs = std::filesystem;

namespace commish {
namespace {

// One step done on the way in, undone in reverse order on a failure.
struct Move {
    fs::path from, to;
};

void removeQuietly(const fs::path& path) {
    std::error_code ec;
    fs::remove_all(path, ec);
}

void moveOrThrow(const fs::path& from, const fs::path& to, std::vector<Move>& done) {
    std::error_code ec;
    fs::rename(from, to, ec);
    if (ec) throw lf::FileError("Cannot move " + from.filename().string() + " (" + ec.message() + ")", to);
    done.push_back({from, to});
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
    std::vector<Move> done;
    bool madeArchive = false;
    const fs::path archive = in.dir / in.archive;
    try {
        std::error_code ec;
        if (!fs::create_directory(aside, ec)) throw lf::FileError("Cannot create folder", aside);
        for (const std::string& name : in.files) {
            const fs::path old = lf::resolve(in.dir, name);
            if (fs::exists(old, ec)) moveOrThrow(old, aside / old.filename(), done);
            moveOrThrow(in.staging / name, in.dir / name, done);
        }
        const fs::path oldArchive = lf::resolve(in.dir, in.archive);
        const bool archiveExists = fs::is_directory(oldArchive, ec);
        if (archiveExists && in.emptyArchive)
            moveOrThrow(oldArchive, aside / ("archive-" + oldArchive.filename().string()), done);
        if (!archiveExists || in.emptyArchive) {
            if (!fs::create_directory(archive, ec))
                throw lf::FileError("Cannot create folder", archive);
            madeArchive = true;
        }
    } catch (const lf::FileError&) {
        if (madeArchive) removeQuietly(archive);
        for (auto it = done.rbegin(); it != done.rend(); ++it) {
            std::error_code ec;
            fs::rename(it->to, it->from, ec);
        }
        removeQuietly(aside);
        removeQuietly(in.staging);
        throw;
    }
    removeQuietly(aside);
    removeQuietly(in.staging);
}

}  // namespace commish
