#include "retire/replace_together.h"

#include <unistd.h>

#include <string>

#include "leaguefiles/error.h"

namespace retire {
namespace fs = std::filesystem;
namespace {

fs::path beside(const fs::path& file, const char* tag) {
    fs::path p = file;
    p += std::string(tag) + std::to_string(::getpid());
    return p;
}

void removeAll(const std::vector<fs::path>& files) {
    std::error_code ec;
    for (const fs::path& f : files) fs::remove(f, ec);
}

}  // namespace

void replaceTogether(const std::vector<FileWrite>& writes) {
    std::vector<fs::path> staged, backups;
    for (const FileWrite& w : writes) {
        staged.push_back(beside(w.file, ".new"));
        backups.push_back(beside(w.file, ".old"));
    }
    for (size_t i = 0; i < writes.size(); ++i) {
        try {
            writes[i].write(staged[i]);
        } catch (const std::exception&) {
            removeAll(staged);
            throw lf::FileError("Cannot write file", writes[i].file);
        }
    }
    std::error_code ec;
    std::vector<bool> existed(writes.size(), false);
    for (size_t i = 0; i < writes.size(); ++i) {
        existed[i] = fs::exists(writes[i].file, ec);
        if (!existed[i]) continue;
        fs::copy_file(writes[i].file, backups[i], fs::copy_options::overwrite_existing, ec);
        if (ec) {
            removeAll(staged);
            removeAll(backups);
            throw lf::FileError("Cannot write file", writes[i].file);
        }
    }
    for (size_t i = 0; i < writes.size(); ++i) {
        fs::rename(staged[i], writes[i].file, ec);
        if (!ec) continue;
        for (size_t j = 0; j < i; ++j) {
            if (existed[j])
                fs::rename(backups[j], writes[j].file, ec);
            else
                fs::remove(writes[j].file, ec);
        }
        removeAll(staged);
        removeAll(backups);
        throw lf::FileError("Cannot replace file", writes[i].file);
    }
    removeAll(backups);
}

}  // namespace retire
