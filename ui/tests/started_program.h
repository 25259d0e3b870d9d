#pragma once
// Driving a program of the suite as a user would, for program tests: a private desktop
// (its own automation folder), a league folder with a copy of the program and a
// stand-in lobby beside it, and the started process, killed when the test ends.
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include <gtest/gtest.h>

namespace testsupport {

namespace fs = std::filesystem;

// A fresh folder under the temp directory for this test, removed afterwards; it holds the
// league directory, the program folder and the automation folder.
struct TestDesktop {
    fs::path root;
    fs::path league;
    fs::path bin;

    TestDesktop() {
        // Short, so the automation socket path stays within its limit.
        static int made = 0;
        root = fs::temp_directory_path() / ("vt_" + std::to_string(::getpid()) + "_" + std::to_string(++made));
        fs::remove_all(root);
        league = root / "league";
        bin = root / "bin";
        fs::create_directories(league);
        fs::create_directories(bin);
        fs::create_directories(root / "run");
        fs::permissions(root / "run", fs::perms::owner_all);
        ::setenv("XDG_RUNTIME_DIR", (root / "run").c_str(), 1);
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    ~TestDesktop() { fs::remove_all(root); }

    // Copies a built program beside a stand-in lobby that leaves "lobby-started" in
    // its working directory; returns the copy's path.
    fs::path installProgram(const std::string& name) const {
        const fs::path exe = bin / name;
        fs::copy_file(fs::path(VELTRAN_BIN_DIR) / name, exe, fs::copy_options::overwrite_existing);
        std::ofstream(bin / "lobby") << "#!/bin/sh\ntouch lobby-started\n";
        fs::permissions(bin / "lobby", fs::perms::owner_all);
        return exe;
    }

    bool lobbyStarted(int timeoutMs) const {
        return waitFor(timeoutMs, [&] { return fs::exists(league / "lobby-started"); });
    }

    template <class Condition>
    static bool waitFor(int timeoutMs, Condition condition) {
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        while (!condition()) {
            if (std::chrono::steady_clock::now() > end) return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return true;
    }
};

// A program started in a working directory, killed on destruction if still running.
struct StartedProgram {
    pid_t pid = -1;
    int status = 0;

    StartedProgram(const fs::path& exe, const fs::path& workDir) {
        pid = ::fork();
        if (pid == 0) {
            if (::chdir(workDir.c_str()) != 0) ::_exit(127);
            const int null = ::open("/dev/null", O_RDWR);
            ::dup2(null, 0);
            ::dup2(null, 1);
            ::execl(exe.c_str(), exe.c_str(), static_cast<char*>(nullptr));
            ::_exit(127);
        }
    }
    ~StartedProgram() {
        if (pid > 0) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, nullptr, 0);
        }
    }
    // True once the program has ended within timeoutMs.
    bool ended(int timeoutMs) {
        return TestDesktop::waitFor(timeoutMs, [&] {
            if (pid <= 0) return true;
            if (::waitpid(pid, &status, WNOHANG) == pid) {
                pid = -1;
                return true;
            }
            return false;
        });
    }
};

}  // namespace testsupport
