// datagen rebuilds the shipped data from data/src byte for byte, and refuses a broken
// source with a message instead of writing a wrong table or a half-made set.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include <sys/wait.h>
#include <unistd.h>

#include "leaguefiles/file_io.h"
#include "shipped.h"

namespace fs = std::filesystem;

namespace {

// Files of data/ that are not installation data.
const std::set<std::string> NotShipped{"src", "tests", "README.md", "CMakeLists.txt", ".gitattributes"};

struct TempDir {
    fs::path path;
    TempDir() {
        path = fs::temp_directory_path() / ("datagen-test-" + std::to_string(::getpid()) + "-" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(path);
        fs::create_directories(path / "out");
    }
    ~TempDir() { fs::remove_all(path); }
};

// Runs datagen; its exit code, with its error output in `errors`.
int datagen(const fs::path& src, const fs::path& out, const fs::path& log, std::string& errors) {
    const std::string cmd = "\"" + std::string(VELTRAN_BIN_DIR) + "/datagen\" \"" + src.string() + "\" \"" +
                            out.string() + "\" > /dev/null 2> \"" + log.string() + "\"";
    const int status = std::system(cmd.c_str());
    errors = fs::exists(log) ? lf::readFile(log) : "";
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(Datagen, RebuildsTheShippedDataByteForByte) {
    TempDir tmp;
    std::string errors;
    ASSERT_EQ(datagen(shipped::dir() / "src", tmp.path / "out", tmp.path / "log", errors), 0) << errors;
    std::set<std::string> shippedFiles, built;
    for (const auto& e : fs::directory_iterator(shipped::dir()))
        if (!NotShipped.count(e.path().filename().string())) shippedFiles.insert(e.path().filename().string());
    for (const auto& e : fs::directory_iterator(tmp.path / "out")) built.insert(e.path().filename().string());
    EXPECT_EQ(built, shippedFiles);
    for (const std::string& f : built) {
        SCOPED_TRACE(f);
        EXPECT_TRUE(lf::readFile(tmp.path / "out" / f) == lf::readFile(shipped::file(f))) << "differs from data/" << f;
    }
}

TEST(Datagen, RefusesABrokenSourceAndNamesIt) {
    struct Break {
        const char* file;
        const char* append;
        const char* message;
    };
    const Break breaks[] = {
        {"runs.txt", "[halfback.plunge]\nloss = 0.5\n", "twice"},
        {"passes.txt", "[short.drop]\n", "twice"},
        {"strategy.txt", "1 * * 1 * 2\n", "covered by earlier rules"},
        {"matchups.txt", "run nothing_like_this 1\n", "matches no pair"},
        {"teams.csv", "Extra,Team,EXTR,Field,Coach,1,1,1,1,1,1,0,0\n", "32 teams"},
        {"last_names.txt", "Smith\n", "twice"},
        {"play_names.txt", "Blitz Of Every Kind\n", "needs 25 names"},
    };
    for (const Break& b : breaks) {
        SCOPED_TRACE(b.file);
        TempDir tmp;
        fs::copy(shipped::dir() / "src", tmp.path / "src");
        std::ofstream(tmp.path / "src" / b.file, std::ios::app) << b.append;
        std::string errors;
        EXPECT_NE(datagen(tmp.path / "src", tmp.path / "out", tmp.path / "log", errors), 0);
        EXPECT_NE(errors.find(b.file), std::string::npos) << errors;
        EXPECT_NE(errors.find(b.message), std::string::npos) << errors;
        EXPECT_TRUE(fs::is_empty(tmp.path / "out")) << "a failed run left files behind";
    }
}

}  // namespace
