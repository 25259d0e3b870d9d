// steward as a user meets it: its buttons, backup and restore, options and the file viewer,
// driven through window automation offscreen.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <memory>

#include "leaguefiles/file_io.h"
#include "leaguefiles/seq_fields.h"
#include "ui/automation_client.h"
#include "ui/tests/process_support.h"
#include "ui/tests/test_support.h"

namespace {

namespace au = ui::automation;
namespace fs = std::filesystem;

constexpr int Wait = 20000;
const std::string Manager = "The KRO Manager";

void write(const fs::path& file, const std::string& bytes) { std::ofstream(file, std::ios::binary) << bytes; }

int lines(const fs::path& file) {
    std::ifstream in(file);
    int count = 0;
    for (std::string line; std::getline(in, line);) ++count;
    return count;
}

// Every file under folder with its bytes, by path relative to it.
std::map<std::string, std::string> snapshot(const fs::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (entry.is_regular_file()) files[fs::relative(entry.path(), folder).string()] = lf::readFile(entry.path());
    return files;
}

class Steward : public ::testing::Test {
protected:
    void SetUp() override {
        uitest::usePrivateRuntimeDir();
        uitest::copyPrograms(VELTRAN_BIN_DIR, programs.path, {"steward"});
        for (const char* name : {"opener", "keypad", "standings", "batchplay"}) {
            fs::copy_file(STEWARD_STANDIN, programs.path / name);
            fs::permissions(programs.path / name, fs::perms::owner_all);
        }
        write(kro.path / "league.id1", "NFL\r\n");
        write(kro.path / "NFL.lge", "league");
    }
    void TearDown() override { uitest::killStartedPrograms(); }

    au::Window start() {
        manager = std::make_unique<uitest::Child>(programs.path / "steward", kro.path);
        const auto window = au::waitForWindow(Manager, Wait, "form");
        if (!window) throw std::runtime_error("the manager did not open");
        return *window;
    }

    // The named window of the manager once it takes clicks again.
    static au::Window ready(const std::string& title, const std::string& windowClass = "form") {
        std::optional<au::Window> found;
        uitest::waitUntil(
            [&] {
                found = au::findWindow(title, windowClass);
                return found && !found->blocked;
            },
            Wait);
        if (!found) throw std::runtime_error("no window " + title);
        return *found;
    }

    // Presses the control with that caption, or with that name when it starts "cmd" or "chk".
    static void press(const std::string& title, const std::string& caption) {
        const bool named = caption.starts_with("cmd") || caption.starts_with("chk");
        const au::Result r = named ? au::clickControl(ready(title), caption) : au::click(ready(title), caption);
        ASSERT_TRUE(r.ok) << title << " / " << caption << ": " << r.error;
    }

    // The text of the manager's message box; the box is answered with caption.
    static std::string answer(const std::string& caption) {
        const au::Window box = ready(Manager, "dialog");
        const au::Control* label = au::findControl(box, "qt_msgbox_label");
        const std::string text = label ? label->text : "";
        EXPECT_TRUE(au::click(box, caption).ok);
        // Gone, or followed by another box.
        uitest::waitUntil(
            [&] {
                const auto next = au::findWindow(Manager, "dialog");
                const au::Control* l = next ? au::findControl(*next, "qt_msgbox_label") : nullptr;
                return !next || next->id != box.id || (l ? l->text : "") != text;
            },
            Wait);
        return text;
    }

    static std::string controlText(const std::string& title, const std::string& control) {
        const auto window = au::findWindow(title, "form");
        if (!window) return {};
        const au::Control* c = au::findControl(*window, control);
        return c ? c->text : std::string();
    }

    static void setText(const std::string& title, const std::string& control, const std::string& text) {
        ASSERT_TRUE(au::setText(ready(title), control, text).ok);
        ASSERT_TRUE(uitest::waitUntil([&] { return controlText(title, control) == text; }, Wait));
    }

    // A backup or restore answered Yes; the final status line.
    static std::string transfer(const std::string& caption) {
        press("Backup/Restore KRO Data", caption);
        answer("Yes");
        std::string status;
        uitest::waitUntil(
            [&] {
                status = controlText("Backup/Restore KRO Data", "lblStatus");
                return status.find("Your KRO data") != std::string::npos ||
                       status.find("Interrupted") != std::string::npos;
            },
            Wait);
        return status;
    }

    // The manager's last button press has been handled once About shows its box.
    void settle() {
        press(Manager, "About The KRO Manager");
        answer("OK");
    }

    uitest::TempDir programs;
    uitest::TempDir kro;
    uitest::TempDir store;
    std::unique_ptr<uitest::Child> manager;
};

TEST_F(Steward, EachSideProgramIsStartedOnceAndBroughtForwardAfterwards) {
    struct Case {
        const char* caption;
        const char* program;
        const char* title;
    };
    start();
    for (const Case& c : {Case{"Run KRO", "opener", "Scoreboard"},
                          Case{"Run KRO Live Standings", "standings", "KRO Live Standings - NFL"},
                          Case{"Run KRO Batchplay", "batchplay", "KRO Batchplay"}}) {
        press(Manager, c.caption);
        ASSERT_TRUE(au::waitForWindow(c.title, Wait, "form")) << c.caption;
        press(Manager, c.caption);
        settle();
        EXPECT_EQ(lines(kro.path / (std::string("started-") + c.program)), 1) << c.caption;
    }
}

TEST_F(Steward, KeypadOpensThenCloses) {
    start();
    press(Manager, "Open/Close Keypad");
    ASSERT_TRUE(au::waitForWindow("Keypad", Wait, "form"));
    press(Manager, "Open/Close Keypad");
    EXPECT_TRUE(au::waitForNoWindow("Keypad", Wait));
    EXPECT_EQ(lines(kro.path / "started-keypad"), 1);
    press(Manager, "Exit");
    EXPECT_TRUE(manager->waitForExit(Wait));
}

TEST_F(Steward, AboutListsLeaguesWhateverTheCaseOfTheirFiles) {
    write(kro.path / "OLD.LGE", "x");
    write(kro.path / "old.lge", "x");
    fs::remove(kro.path / "NFL.lge");
    start();
    press(Manager, "About The KRO Manager");
    EXPECT_EQ(answer("OK"), "The KRO Manager Version 7.1\n\nKRO Leagues (2):\nOLD\nold\nActive League: NFL");
    EXPECT_EQ(lf::readFile(kro.path / "database.dat"), "2\r\n\"OLD\"\r\n\"old\"\r\n");
}

TEST_F(Steward, EmptyFolderIsReportedAndNoListWritten) {
    fs::remove(kro.path / "league.id1");
    fs::remove(kro.path / "NFL.lge");
    manager = std::make_unique<uitest::Child>(programs.path / "steward", kro.path);
    EXPECT_EQ(answer("OK"), "There are no files in C:\\KRO!");
    press(Manager, "KRO File Viewer");
    EXPECT_EQ(answer("OK"), "There are no files in C:\\KRO!");
    press("KRO File Viewer", "Open");
    EXPECT_EQ(answer("OK"), "There are no leagues in the database!");
    EXPECT_FALSE(fs::exists(kro.path / "database.dat"));
}

class StewardLeague : public Steward {
protected:
    void SetUp() override {
        Steward::SetUp();
        fs::remove(kro.path / "NFL.lge");
        for (const auto& entry : fs::directory_iterator(fs::path(VELTRAN_SOURCE_DIR) / "data"))
            if (entry.is_regular_file()) fs::copy_file(entry.path(), kro.path / entry.path().filename());
        const auto made = uitest::runCommand(std::string(NEWLEAGUE) + " --dir " + kro.path.string() +
                                             " --name NFL --teams 8 --seed 7");
        ASSERT_TRUE(made.ok) << made.text;
        write(kro.path / "NFLArchive" / "season1.txt", "season one\r\n");
        write(kro.path / "NFLArchive" / "games.log", "log\r\n");
        write(kro.path / "NFLArchive" / "roster.prn", "roster\r\n");
        start();
        press(Manager, "Backup/Restore KRO Data");
        setText("Backup/Restore KRO Data", "txtLocation", store.path.string());
    }
};

TEST_F(StewardLeague, BackupDeleteRestoreGivesTheLeagueBackByteForByte) {
    EXPECT_EQ(transfer("Backup KRO Data"), "Status:      Your KRO data has been backed up!");
    std::map<std::string, std::string> league;
    for (const auto& [name, bytes] : snapshot(kro.path))
        if (name.starts_with("NFL") || name == "league.id1") league[name] = bytes;
    ASSERT_EQ(league.count("NFL.pla"), 1u);
    ASSERT_EQ(league.count("NFLArchive/season1.txt"), 1u);
    for (const auto& [name, bytes] : league) fs::remove(kro.path / name);
    fs::remove_all(kro.path / "NFLArchive");

    EXPECT_EQ(transfer("Restore KRO Data"), "Status:      Your KRO data has been restored!");
    const std::map<std::string, std::string> after = snapshot(kro.path);
    for (const auto& [name, bytes] : league) {
        ASSERT_EQ(after.count(name), 1u) << name;
        EXPECT_TRUE(after.at(name) == bytes) << name << " differs";
    }
    EXPECT_EQ(lf::readFile(kro.path / "path.dat"), lf::commaLine({store.path.string()}));
}

TEST_F(StewardLeague, DoNotRecopyKeepsArchiveFilesAndAltSendRecopiesTexts) {
    ASSERT_EQ(transfer("Backup KRO Data"), "Status:      Your KRO data has been backed up!");
    for (const char* f : {"season1.txt", "games.log", "roster.prn"}) write(store.path / "NFLArchive" / f, "old");
    write(store.path / "NFL.lge", "old");
    press("Backup/Restore KRO Data", "chkNoRecopy");
    ASSERT_EQ(transfer("Backup KRO Data"), "Status:      Your KRO data has been backed up!");
    EXPECT_NE(lf::readFile(store.path / "NFL.lge"), "old");
    for (const char* f : {"season1.txt", "games.log", "roster.prn"})
        EXPECT_EQ(lf::readFile(store.path / "NFLArchive" / f), "old") << f;
    ASSERT_EQ(transfer("Alt. Send"), "Status:      Your KRO data has been backed up!");
    EXPECT_EQ(lf::readFile(store.path / "NFLArchive" / "season1.txt"), "season one\r\n");
    EXPECT_EQ(lf::readFile(store.path / "NFLArchive" / "games.log"), "log\r\n");
    EXPECT_EQ(lf::readFile(store.path / "NFLArchive" / "roster.prn"), "old");
}

TEST_F(StewardLeague, RestoreOverwritesLiveFilesAndCancelCopiesNothing) {
    ASSERT_EQ(transfer("Backup KRO Data"), "Status:      Your KRO data has been backed up!");
    write(store.path / "NFL.tms", "from the backup");
    write(store.path / "league.id1", "NFL\r\n");
    write(kro.path / "league.id1", "OTHER\r\n");
    press("Backup/Restore KRO Data", "Restore KRO Data");
    EXPECT_EQ(answer("No"), "Are you sure you want to restore your KRO data from " + store.path.string() + "?");
    EXPECT_EQ(answer("OK"), "The KRO data restoration has been cancelled!");
    EXPECT_EQ(lf::readFile(kro.path / "league.id1"), "OTHER\r\n");
    ASSERT_EQ(transfer("Alt. Get"), "Status:      Your KRO data has been restored!");
    EXPECT_EQ(lf::readFile(kro.path / "NFL.tms"), "from the backup");
    EXPECT_EQ(lf::readFile(kro.path / "league.id1"), "NFL\r\n");
}

TEST_F(StewardLeague, UnusableLocationInterruptsWithTheMessage) {
    write(store.path / "a-file", "x");
    setText("Backup/Restore KRO Data", "txtLocation", (store.path / "a-file").string());
    press("Backup/Restore KRO Data", "Backup KRO Data");
    answer("Yes");
    EXPECT_EQ(answer("OK"),
              "The KRO data backup was interrupted. Ensure that your specified location is correct and that you have "
              "permission to access it.");
    EXPECT_EQ(controlText("Backup/Restore KRO Data", "lblStatus"), "Status:      Transfer Interrupted");
    const auto window = ready("Backup/Restore KRO Data");
    const au::Control* backup = au::findControl(window, "cmdBackup");
    ASSERT_NE(backup, nullptr);
    EXPECT_TRUE(backup->enabled);
    EXPECT_EQ(lf::readFile(store.path / "a-file"), "x");

    setText("Backup/Restore KRO Data", "txtLocation", "");
    press("Backup/Restore KRO Data", "Backup KRO Data");
    EXPECT_EQ(answer("OK"), "You must input a location!");
}

TEST_F(Steward, OptionsWriteCheckedResetsAndLeaveTheOthers) {
    const std::vector<std::string> positionFiles{"fileview.dat", "batchplay.dat", "standings.dat", "keypad.dat"};
    for (const std::string& f : positionFiles) write(kro.path / f, "kept");
    write(kro.path / "layout.dat", "kept");
    write(kro.path / "custom.dat", "0\r\n");
    start();
    press(Manager, "Options");
    const au::Window options = ready("Options");
    const au::Control* hide = au::findControl(options, "chkHideChangeControl");
    ASSERT_NE(hide, nullptr);
    EXPECT_TRUE(hide->checked);

    press("Options", "Save And Exit");
    EXPECT_EQ(answer("OK"), "You must have at least one file type!");
    press("Options", "Remove");
    EXPECT_EQ(answer("OK"), "You must select a file type to remove!");
    press("Options", "Add");
    const au::Window input = ready(Manager, "dialog");
    ASSERT_TRUE(au::setText(input, "txtInput", " \"season1\" ").ok);  // quotes would break types.dat
    ASSERT_TRUE(au::click(input, "OK").ok);
    press("Options", "chkHideChangeControl");
    press("Options", "Reset Keypad Layout");
    press("Options", "Reset KRO Batchplay Window Position");
    press("Options", "Save And Exit");
    ASSERT_TRUE(au::waitForNoWindow("Options", Wait));
    EXPECT_EQ(lf::readFile(kro.path / "types.dat"), "1\r\n\"season1\"\r\n");
    EXPECT_EQ(lf::readFile(kro.path / "custom.dat"), "1\r\n");
    EXPECT_EQ(lines(kro.path / "layout.dat"), 41);
    EXPECT_EQ(lf::readFile(kro.path / "batchplay.dat"), "0\r\n");
    for (const char* f : {"fileview.dat", "standings.dat", "keypad.dat"}) EXPECT_EQ(lf::readFile(kro.path / f), "kept");

    press(Manager, "Options");
    press("Options", "Reset Keypad Window Position");
    press("Options", "Cancel");
    ASSERT_TRUE(au::waitForNoWindow("Options", Wait));
    EXPECT_EQ(lf::readFile(kro.path / "keypad.dat"), "kept");
}

TEST_F(Steward, FileViewerOpensEditsSavesAndFinds) {
    write(kro.path / "types.dat", "1\r\n\"season1\"\r\n");
    fs::create_directory(kro.path / "NFLArchive");
    write(kro.path / "NFLArchive" / "season1.txt", "Tigers 21\r\nBears 14\r\n");
    const std::string viewer = "KRO File Viewer*";
    start();
    press(Manager, "KRO File Viewer");
    press(viewer, "Save");
    EXPECT_EQ(answer("OK"), "There is no data to save!");
    press(viewer, "Print");
    EXPECT_EQ(answer("OK"), "There is no data to print!");
    press(viewer, "Open");
    ASSERT_TRUE(uitest::waitUntil([&] { return controlText(viewer, "lblStatus") == "File opened."; }, Wait));
    EXPECT_EQ(ready(viewer).title, "KRO File Viewer - NFL - season1.txt");
    EXPECT_EQ(controlText(viewer, "rtbText"), "Tigers 21\nBears 14\n");

    setText(viewer, "rtbText", "Tigers 28\nBears 14\nTigers win\n");
    EXPECT_EQ(controlText(viewer, "lblStatus"), "File modified.");
    press(viewer, "Save");
    ASSERT_TRUE(uitest::waitUntil([&] { return controlText(viewer, "lblStatus") == "File saved."; }, Wait));
    EXPECT_EQ(lf::readFile(kro.path / "NFLArchive" / "season1.txt"), "Tigers 28\r\nBears 14\r\nTigers win\r\n");

    press(viewer, "cmdFind");
    setText("Find", "txtFind", "zebra");
    press("Find", "Find");
    EXPECT_EQ(answer("OK"), "zebra was not found!");
    press(viewer, "cmdFind");
    setText("Find", "txtFind", "tigers");
    press("Find", "Find");
    ASSERT_TRUE(uitest::waitUntil(
        [&] {
            const auto w = au::findWindow(viewer, "form");
            const au::Control* next = w ? au::findControl(*w, "cmdFindNext") : nullptr;
            return next && next->enabled && !w->blocked;
        },
        Wait));
    press(viewer, "Find Next");
    press(viewer, "Find Next");
    EXPECT_EQ(answer("OK"), "tigers was not found!");

    // A changed text asks before another file is opened; a name leaving the folder is refused.
    setText(viewer, "rtbText", "changed\n");
    ASSERT_TRUE(au::select(ready(viewer), "cboFile", 1).ok);
    press(viewer, "Open");
    EXPECT_EQ(answer("No"), "Do you want to save the changes?");
    const au::Window input = ready(Manager, "dialog");
    ASSERT_TRUE(au::setText(input, "txtInput", "../NFL.lge").ok);
    ASSERT_TRUE(au::click(input, "OK").ok);
    EXPECT_NE(answer("OK").find("is not allowed"), std::string::npos);
    EXPECT_EQ(lf::readFile(kro.path / "NFLArchive" / "season1.txt"), "Tigers 28\r\nBears 14\r\nTigers win\r\n");

    press(viewer, "Exit");
    EXPECT_EQ(answer("No"), "Do you want to save the changes?");
    ASSERT_TRUE(au::waitForNoWindow(viewer, Wait));
    EXPECT_EQ(lines(kro.path / "fileview.dat"), 6);
}

}  // namespace
