// The file viewer's names, text conversion, search and stored position.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "leaguefiles/file_io.h"
#include "steward/viewer_file.h"

namespace fs = std::filesystem;

namespace {

TEST(ViewerFile, TypeBecomesFileName) {
    const std::vector<std::pair<std::string, std::string>> cases{
        {"season1", "season1.txt"}, {"roster.prn", "roster.prn"}, {"a.b", "a.b.txt"}, {"log", "log.txt"}, {"", ".txt"}};
    for (const auto& [type, name] : cases) EXPECT_EQ(steward::archiveFileName(type), name) << type;
}

TEST(ViewerFile, OtherNameMustStayInTheArchiveFolder) {
    for (const char* bad : {"../NFL.tms", "/etc/passwd", "sub/file.txt", "..", "a..b", "..\\x", "", "   "})
        EXPECT_TRUE(steward::otherNameProblem(bad)) << bad;
    for (const char* good : {"season1.txt", "notes", "my report.log", ".hidden"})
        EXPECT_FALSE(steward::otherNameProblem(good)) << good;
}

TEST(ViewerFile, FindsFilesInTheArchiveFolderWithoutCase) {
    const fs::path folder = fs::temp_directory_path() / "stw-viewer-path";
    fs::remove_all(folder);
    fs::create_directories(folder / "nflARCHIVE");
    std::ofstream(folder / "nflARCHIVE" / "Season1.TXT") << "x";
    EXPECT_EQ(steward::archiveFilePath(folder, "NFL", "season1.txt"), folder / "nflARCHIVE" / "Season1.TXT");
    EXPECT_EQ(steward::archiveFilePath(folder, "NFL", "new.txt"), folder / "nflARCHIVE" / "new.txt");
    fs::remove_all(folder);
}

TEST(ViewerFile, TextRoundTripsThroughTheEditor) {
    const std::string file = "Caf\xE9 \x93quoted\x94\r\nline two\r\n\r\nend";
    const std::string editor = steward::editorText(file);
    EXPECT_EQ(editor, "Caf\xC3\xA9 \xE2\x80\x9Cquoted\xE2\x80\x9D\nline two\n\nend");
    EXPECT_EQ(steward::fileBytes(editor), file);
    EXPECT_EQ(steward::editorText("a\rb\nc"), "a\nb\nc");
}

TEST(ViewerFile, FindIgnoresCaseAndSearchesOn) {
    const std::u16string text = u"Week 1: Tigers 21, tigers 14; TIGERS";
    EXPECT_EQ(steward::findText(text, u"tigers", 0), 8u);
    EXPECT_EQ(steward::findText(text, u"TiGeRs", 9), 19u);
    EXPECT_EQ(steward::findText(text, u"tigers", 20), 30u);
    EXPECT_FALSE(steward::findText(text, u"tigers", 31));
    EXPECT_FALSE(steward::findText(text, u"bears", 0));
    EXPECT_FALSE(steward::findText(text, u"", 0));
    EXPECT_EQ(steward::findText(u"\u00C9T\u00C9", u"\u00E9t\u00E9", 0), 0u);
}

TEST(ViewerFile, PlacementReadsBackAndResetMeansNone) {
    const fs::path folder = fs::temp_directory_path() / "stw-viewer-place";
    fs::remove_all(folder);
    fs::create_directories(folder);
    EXPECT_FALSE(steward::readViewerPlacement(folder).stored);
    steward::writeViewerPlacement(folder, {true, 40, 60, 700, 500, 0});
    EXPECT_EQ(lf::readFile(folder / "fileview.dat"), "\"0\"\r\n40\r\n60\r\n700\r\n500\r\n0\r\n");
    const steward::ViewerPlacement p = steward::readViewerPlacement(folder);
    EXPECT_TRUE(p.stored);
    EXPECT_EQ(p.top, 40);
    EXPECT_EQ(p.left, 60);
    EXPECT_EQ(p.width, 700);
    EXPECT_EQ(p.height, 500);
    std::ofstream(folder / "fileview.dat", std::ios::binary) << "\"fileview\"\r\n";
    EXPECT_FALSE(steward::readViewerPlacement(folder).stored);
    std::ofstream(folder / "fileview.dat", std::ios::binary) << "\"0\"\r\n40\r\n";
    EXPECT_FALSE(steward::readViewerPlacement(folder).stored);
    fs::remove_all(folder);
}

}  // namespace
