#pragma once
// Starting the suite's programs from tests: a private automation folder, copies of programs
// with stand-ins beside them, and child processes that are always ended.
#include <sys/types.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace uitest {

// Points XDG_RUNTIME_DIR (inherited by every started program) at a folder of this test process.
void usePrivateRuntimeDir();

// Copies built programs from binDir into dir.
void copyPrograms(const std::filesystem::path& binDir, const std::filesystem::path& dir,
                  const std::vector<std::string>& names);

// Kills every process running a program copied into dir: programs started by the programs
// under test (gameday starts lobby as it ends) are not children of the test.
void killProgramsIn(const std::filesystem::path& dir);

// A stand-in program: when started it writes its working directory to "started-<name>" there.
void writeStandIn(const std::filesystem::path& dir, const std::string& name);

// The working directory a stand-in reported, waiting up to timeoutMs; empty when it never ran.
std::string standInRan(const std::filesystem::path& league, const std::string& name, int timeoutMs);

// A started program; killed when the object goes, unless it ended by then.
class Child {
public:
    // Starts program in cwd with extra "NAME=value" settings added to the environment.
    Child(const std::filesystem::path& program, const std::filesystem::path& cwd,
          const std::vector<std::string>& extraEnv = {});
    ~Child();
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    pid_t pid() const { return pid_; }
    // True once the program ended within timeoutMs.
    bool waitForExit(int timeoutMs);

private:
    pid_t pid_ = -1;
    bool ended_ = false;
};

// Polls condition until it holds or timeoutMs passes; true when it held.
bool waitUntil(const std::function<bool()>& condition, int timeoutMs);

// The standard output of a shell command, and whether it exited with 0.
struct CommandOutput {
    std::string text;
    bool ok = false;
};
CommandOutput runCommand(const std::string& command);

}  // namespace uitest
