#include "ui/tests/process_support.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <stdexcept>
#include <thread>

extern char** environ;

namespace uitest {

void usePrivateRuntimeDir() {
    static const std::string dir = [] {
        char pattern[] = "/tmp/vt-rt-XXXXXX";
        const char* made = mkdtemp(pattern);
        if (made == nullptr) throw std::runtime_error("cannot make a runtime folder");
        return std::string(made);
    }();
    static const bool removedAtExit = [] {
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(dir, ignored);
        });
        return true;
    }();
    (void)removedAtExit;
    setenv("XDG_RUNTIME_DIR", dir.c_str(), 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
}

void copyPrograms(const std::filesystem::path& binDir, const std::filesystem::path& dir,
                  const std::vector<std::string>& names) {
    for (const std::string& name : names)
        std::filesystem::copy_file(binDir / name, dir / name, std::filesystem::copy_options::overwrite_existing);
}

void killProgramsIn(const std::filesystem::path& dir) {
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::canonical(dir, error);
    if (error) return;
    const std::string prefix = folder.string() + "/";
    for (const auto& entry : std::filesystem::directory_iterator("/proc", error)) {
        const long long pid = std::atoll(entry.path().filename().c_str());
        if (pid <= 0 || pid == getpid()) continue;
        std::error_code unreadable;
        const std::filesystem::path exe = std::filesystem::read_symlink(entry.path() / "exe", unreadable);
        if (!unreadable && exe.string().starts_with(prefix)) kill(static_cast<pid_t>(pid), SIGKILL);
    }
}

void writeStandIn(const std::filesystem::path& dir, const std::string& name) {
    const auto file = dir / name;
    std::ofstream(file) << "#!/bin/sh\npwd > \"started-" << name << ".tmp\" && mv \"started-" << name
                        << ".tmp\" \"started-" << name << "\"\n";
    std::filesystem::permissions(file, std::filesystem::perms::owner_all);
}

std::string standInRan(const std::filesystem::path& league, const std::string& name, int timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (true) {
        std::ifstream in(league / ("started-" + name));
        std::string cwd;
        if (in && std::getline(in, cwd)) return cwd;
        if (std::chrono::steady_clock::now() >= deadline) return {};
        std::this_thread::sleep_for(std::chrono::milliseconds(25));
    }
}

Child::Child(const std::filesystem::path& program, const std::filesystem::path& cwd,
             const std::vector<std::string>& extraEnv) {
    std::vector<std::string> env;
    for (char** e = environ; *e != nullptr; ++e) env.emplace_back(*e);
    env.insert(env.end(), extraEnv.begin(), extraEnv.end());
    std::vector<char*> envp;
    for (std::string& e : env) envp.push_back(e.data());
    envp.push_back(nullptr);
    std::string path = program.string();
    char* argv[] = {path.data(), nullptr};

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addchdir_np(&actions, cwd.c_str());
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    const int failed = posix_spawn(&pid_, path.c_str(), &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (failed != 0) throw std::runtime_error("cannot start " + path);
}

Child::~Child() {
    if (ended_ || pid_ <= 0) return;
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
}

bool Child::waitForExit(int timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!ended_) {
        if (waitpid(pid_, nullptr, WNOHANG) == pid_) ended_ = true;
        else if (std::chrono::steady_clock::now() >= deadline) return false;
        else std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

bool waitUntil(const std::function<bool()>& condition, int timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

CommandOutput runCommand(const std::string& command) {
    CommandOutput out;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return out;
    char buffer[4096];
    size_t n = 0;
    while ((n = fread(buffer, 1, sizeof(buffer), pipe)) > 0) out.text.append(buffer, n);
    out.ok = pclose(pipe) == 0;
    return out;
}

}  // namespace uitest
