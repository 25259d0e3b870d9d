// Backup and restore between two folders: what is copied, the archive rules, interruptions.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "leaguefiles/file_io.h"
#include "steward/transfer.h"

namespace fs = std::filesystem;
using steward::ArchiveRule;
using steward::Direction;

namespace {

const std::vector<std::string> kExtensions{"irc", "irg", "irp", "irs", "lge", "pla",
                                           "sch", "tms", "trc", "trg", "trp", "trs", "chm"};

class TransferTest : public ::testing::Test {
protected:
    void SetUp() override {
        base = fs::temp_directory_path() /
               ("stw-transfer-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(base);
        live = base / "kro";
        store = base / "store";
        fs::create_directories(live);
        fs::create_directories(store);
        for (const std::string& ext : kExtensions) write(live / ("NFL." + ext), "nfl " + ext);
        for (const char* f : {"league.id1", "types.dat", "custom.dat", "layout.dat"}) write(live / f, f);
        fs::create_directories(live / "NFLArchive");
        write(live / "NFLArchive" / "season1.txt", "report one");
        write(live / "NFLArchive" / "games.log", "log one");
        write(live / "NFLArchive" / "roster.prn", "roster one");
    }
    void TearDown() override { fs::remove_all(base); }

    static void write(const fs::path& file, const std::string& bytes) { std::ofstream(file, std::ios::binary) << bytes; }

    bool run(Direction direction, ArchiveRule rule, std::vector<std::string>* lines = nullptr) {
        steward::Transfer t;
        t.direction = direction;
        t.from = direction == Direction::Backup ? live : store;
        t.to = direction == Direction::Backup ? store : live;
        t.rule = rule;
        return steward::runTransfer(t, [&](const std::string& line) {
            if (lines) lines->push_back(line);
        });
    }

    fs::path base;
    fs::path live, store;
};

TEST_F(TransferTest, BackupCopiesLeagueSuiteAndArchiveFilesAnnouncingEach) {
    std::vector<std::string> lines;
    ASSERT_TRUE(run(Direction::Backup, ArchiveRule::CopyAll, &lines));
    for (const std::string& ext : kExtensions) EXPECT_EQ(lf::readFile(store / ("NFL." + ext)), "nfl " + ext);
    EXPECT_EQ(lf::readFile(store / "league.id1"), "league.id1");
    EXPECT_EQ(lf::readFile(store / "NFLArchive" / "roster.prn"), "roster one");
    const std::string marker = "This file is used by The KRO Manager's Backup/Restore feature.\r\n";
    EXPECT_EQ(lf::readFile(store / "NFLArchive" / "backup.dat"), marker);
    EXPECT_EQ(lf::readFile(live / "NFLArchive" / "backup.dat"), marker);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front(), "Status:      Backing up NFL.IRC");
    EXPECT_NE(std::find(lines.begin(), lines.end(), "Status:      Backing up LEAGUE.ID1"), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "Status:      Backing up SEASON1.TXT"), lines.end());
    EXPECT_EQ(lines.back(), "Status:      Your KRO data has been backed up!");
}

TEST_F(TransferTest, ArchiveRulesForFilesAlreadyAtTheDestination) {
    struct Case {
        ArchiveRule rule;
        bool txtRecopied, logRecopied, prnRecopied;
    };
    for (const Case& c : {Case{ArchiveRule::CopyAll, true, true, true},
                          Case{ArchiveRule::KeepExisting, false, false, false},
                          Case{ArchiveRule::KeepExistingButTexts, true, true, false}}) {
        fs::remove_all(store);
        fs::create_directories(store);
        ASSERT_TRUE(run(Direction::Backup, ArchiveRule::CopyAll));
        for (const char* f : {"season1.txt", "games.log", "roster.prn"}) write(store / "NFLArchive" / f, "old");
        write(live / "NFL.tms", "changed");
        ASSERT_TRUE(run(Direction::Backup, c.rule));
        EXPECT_EQ(lf::readFile(store / "NFL.tms"), "changed") << "league files are always copied";
        EXPECT_EQ(lf::readFile(store / "NFLArchive" / "season1.txt") != "old", c.txtRecopied);
        EXPECT_EQ(lf::readFile(store / "NFLArchive" / "games.log") != "old", c.logRecopied);
        EXPECT_EQ(lf::readFile(store / "NFLArchive" / "roster.prn") != "old", c.prnRecopied);
    }
    EXPECT_EQ(steward::archiveRule(false, false), ArchiveRule::CopyAll);
    EXPECT_EQ(steward::archiveRule(false, true), ArchiveRule::KeepExisting);
    EXPECT_EQ(steward::archiveRule(true, false), ArchiveRule::KeepExistingButTexts);
    EXPECT_EQ(steward::archiveRule(true, true), ArchiveRule::KeepExistingButTexts);
}

TEST_F(TransferTest, RestoreBringsBackADeletedLeagueAndOverwritesThePointer) {
    ASSERT_TRUE(run(Direction::Backup, ArchiveRule::CopyAll));
    for (const std::string& ext : kExtensions) fs::remove(live / ("NFL." + ext));
    fs::remove_all(live / "NFLArchive");
    write(live / "LEAGUE.ID1", "OTHER");  // another spelling of the pointer: overwritten, not doubled
    fs::remove(live / "league.id1");
    std::vector<std::string> lines;
    ASSERT_TRUE(run(Direction::Restore, ArchiveRule::CopyAll, &lines));
    for (const std::string& ext : kExtensions) EXPECT_EQ(lf::readFile(live / ("NFL." + ext)), "nfl " + ext);
    EXPECT_EQ(lf::readFile(live / "LEAGUE.ID1"), "league.id1");
    EXPECT_FALSE(fs::exists(live / "league.id1"));
    EXPECT_EQ(lf::readFile(live / "NFLArchive" / "season1.txt"), "report one");
    EXPECT_EQ(lines.front(), "Status:      Restoring NFL.IRC");
    EXPECT_EQ(lines.back(), "Status:      Your KRO data has been restored!");
}

TEST_F(TransferTest, UnusableLocationOrMissingLeagueFileInterrupts) {
    std::vector<std::string> lines;
    steward::Transfer t{live, base / "no-such-folder", Direction::Backup, ArchiveRule::CopyAll};
    EXPECT_FALSE(steward::runTransfer(t, [&](const std::string& l) { lines.push_back(l); }));
    EXPECT_EQ(lines.back(), "Status:      Transfer Interrupted");

    write(base / "a-file", "x");
    t.to = base / "a-file";
    EXPECT_FALSE(steward::runTransfer(t, [](const std::string&) {}));
    EXPECT_EQ(lf::readFile(base / "a-file"), "x");

    fs::remove(live / "NFL.pla");
    lines.clear();
    t.to = store;
    EXPECT_FALSE(steward::runTransfer(t, [&](const std::string& l) { lines.push_back(l); }));
    EXPECT_EQ(lines.back(), "Status:      Transfer Interrupted");
    EXPECT_TRUE(fs::exists(store / "NFL.lge")) << "files before the failure stay copied";
    EXPECT_FALSE(fs::exists(store / "NFL.sch"));
}

}  // namespace
