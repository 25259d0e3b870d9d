#include "steward/transfer.h"

#include <array>
#include <system_error>

#include "leaguefiles/error.h"
#include "leaguefiles/file_io.h"
#include "leaguefiles/league_dir.h"
#include "steward/league_list.h"

namespace steward {
namespace fs = std::filesystem;

namespace {

// The champions file goes with the others: a restored league keeps its list of champions.
constexpr std::array<const char*, 13> kLeagueExtensions{".IRC", ".IRG", ".IRP", ".IRS", ".LGE", ".PLA", ".SCH",
                                                        ".TMS", ".TRC", ".TRG", ".TRP", ".TRS", ".CHM"};
// Settings that a league directory may not hold yet; absent ones are passed over.
constexpr std::array<const char*, 5> kSuiteFiles{"TYPES.DAT", "DATABASE.DAT", "LEAGUE.ID1", "CUSTOM.DAT",
                                                 "LAYOUT.DAT"};
constexpr const char* kMarkerLine = "This file is used by The KRO Manager's Backup/Restore feature.\r\n";

struct Interrupted {};

std::string upper(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
    return text;
}

std::string lower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
    return text;
}

bool present(const fs::path& path) {
    std::error_code ec;
    return fs::exists(path, ec);
}

// The source file keeps its own spelling at the destination unless one is there already.
void copyFile(const fs::path& source, const fs::path& toFolder) {
    try {
        lf::replaceFile(lf::resolve(toFolder, source.filename().string()), lf::readFile(source));
    } catch (const lf::FileError&) {
        throw Interrupted{};
    }
}

void ensureFolder(const fs::path& folder) {
    std::error_code ec;
    fs::create_directory(folder, ec);
    if (!fs::is_directory(folder, ec)) throw Interrupted{};
}

bool keepExisting(ArchiveRule rule, const std::string& file) {
    switch (rule) {
        case ArchiveRule::CopyAll: return false;
        case ArchiveRule::KeepExisting: return true;
        case ArchiveRule::KeepExistingButTexts: {
            const std::string name = lower(file);
            return !name.ends_with(".txt") && !name.ends_with(".log");
        }
    }
    return false;
}

void copyArchive(const Transfer& t, const std::string& league, const std::string& verb,
                 const std::function<void(const std::string&)>& status) {
    const fs::path source = lf::resolve(t.from, league + "Archive");
    const std::string folderName = present(source) ? source.filename().string() : league + "Archive";
    const fs::path destination = lf::resolve(t.to, folderName);
    ensureFolder(destination);
    ensureFolder(source);
    for (const fs::path& side : {source, destination}) {
        try {
            lf::replaceFile(lf::resolve(side, MarkerFile), kMarkerLine);
        } catch (const lf::FileError&) {
            throw Interrupted{};
        }
    }
    std::error_code ec;
    for (fs::directory_iterator it(source, ec), end; it != end; it.increment(ec)) {
        if (!it->is_regular_file(ec)) continue;
        const std::string name = it->path().filename().string();
        status(statusLine(verb + upper(name)));
        if (present(lf::resolve(destination, name)) && keepExisting(t.rule, name)) continue;
        copyFile(it->path(), destination);
    }
    if (ec) throw Interrupted{};
}

}  // namespace

ArchiveRule archiveRule(bool altButton, bool doNotRecopy) {
    if (altButton) return ArchiveRule::KeepExistingButTexts;
    return doNotRecopy ? ArchiveRule::KeepExisting : ArchiveRule::CopyAll;
}

std::string statusLine(const std::string& text) { return "Status:      " + text; }

bool runTransfer(const Transfer& t, const std::function<void(const std::string&)>& status) {
    const bool backup = t.direction == Direction::Backup;
    const std::string verb = backup ? "Backing up " : "Restoring ";
    try {
        std::error_code ec;
        if (!fs::is_directory(t.from, ec) || !fs::is_directory(t.to, ec)) throw Interrupted{};
        const std::vector<std::string> leagues = findLeagues(t.from);
        for (const std::string& league : leagues)
            for (const char* extension : kLeagueExtensions) {
                const fs::path source = lf::resolve(t.from, league + extension);
                if (std::string(extension) == ".CHM" && !present(source)) continue;
                status(statusLine(verb + league + extension));
                copyFile(source, t.to);
            }
        for (const char* file : kSuiteFiles) {
            const fs::path source = lf::resolve(t.from, file);
            if (!present(source)) continue;
            status(statusLine(verb + file));
            copyFile(source, t.to);
        }
        for (const std::string& league : leagues) copyArchive(t, league, verb, status);
    } catch (const Interrupted&) {
        status(statusLine("Transfer Interrupted"));
        return false;
    }
    status(statusLine(backup ? "Your KRO data has been backed up!" : "Your KRO data has been restored!"));
    return true;
}

}  // namespace steward
