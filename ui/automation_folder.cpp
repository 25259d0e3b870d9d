#include "ui/automation_folder.h"

#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace ui {

std::string automationFolder() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime != nullptr && *runtime != '\0') return std::string(runtime) + "/veltran-desktop";
    return "/tmp/veltran-desktop-" + std::to_string(getuid());
}

std::string prepareAutomationFolder() {
    const std::string folder = automationFolder();
    const auto slash = folder.rfind('/');
    if (slash != std::string::npos && slash > 0) {
        // The runtime folder itself may be missing (a test's fresh XDG_RUNTIME_DIR).
        const std::string parent = folder.substr(0, slash);
        struct stat info {};
        if (stat(parent.c_str(), &info) != 0 && mkdir(parent.c_str(), 0700) != 0 && errno != EEXIST)
            return "cannot create " + parent + ": " + std::strerror(errno);
    }
    if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST)
        return "cannot create " + folder + ": " + std::strerror(errno);
    struct stat info {};
    if (lstat(folder.c_str(), &info) != 0) return "cannot read " + folder + ": " + std::strerror(errno);
    if (!S_ISDIR(info.st_mode)) return folder + " is not a folder";
    if (info.st_uid != getuid()) return folder + " belongs to another user";
    if ((info.st_mode & 0077) != 0 && chmod(folder.c_str(), 0700) != 0)
        return "cannot make " + folder + " private: " + std::strerror(errno);
    return {};
}

bool processAlive(long long pid) {
    if (pid <= 0) return false;
    return kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

}  // namespace ui
