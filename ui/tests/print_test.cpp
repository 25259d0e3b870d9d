// frmKROprint and the print routine, driven as a user drives them.
#include <gtest/gtest.h>

#include <QPrinter>
#include <fstream>
#include <sstream>

#include "ui/automation_client.h"
#include "ui/print_dialog.h"
#include "ui/tests/process_support.h"
#include "ui/tests/test_support.h"

namespace {

namespace au = ui::automation;

std::string fileText(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

const au::Control& control(const au::Window& w, const std::string& name) {
    const au::Control* c = au::findControl(w, name);
    if (c == nullptr) throw std::runtime_error("no control " + name);
    return *c;
}

std::optional<au::Window> printDialog() { return au::waitForWindow("Print", 10000, "form"); }

// Chooses "File:", the file box text and Append or Replace, then OK.
void chooseFile(const std::string& file, bool replace) {
    auto dialog = printDialog();
    ASSERT_TRUE(dialog);
    ASSERT_TRUE(au::select(*dialog, "optPrintTarget", 1).ok);
    ASSERT_TRUE(au::setText(*dialog, "txtPrintFile", file).ok);
    ASSERT_TRUE(au::select(*dialog, "optPrintAppend", replace ? 1 : 0).ok);
    ASSERT_TRUE(au::click(*dialog, "OK").ok);
}

TEST(PrintDialog, CancelDiscardsStateAndReopensInPrinterMode) {
    uitest::program();
    ui::setPrintFile("standings.txt");
    const ui::PrintChoice cancelled = uitest::withClient(
        [] {
            auto dialog = printDialog();
            ASSERT_TRUE(dialog);
            EXPECT_EQ(dialog->name, "frmKROprint");
            EXPECT_EQ(control(*dialog, "txtPrintFile").text, "standings.txt");
            ASSERT_TRUE(au::select(*dialog, "optPrintTarget", 1).ok);
            ASSERT_TRUE(au::click(*dialog, "Cancel").ok);
        },
        [] { return ui::askPrintTarget("last.txt"); });
    EXPECT_TRUE(cancelled.cancelled);

    const ui::PrintChoice printer = uitest::withClient(
        [] {
            auto dialog = printDialog();
            ASSERT_TRUE(dialog);
            EXPECT_TRUE(control(*dialog, "optPrintTarget_0").checked);
            EXPECT_FALSE(control(*dialog, "optPrintTarget_1").checked);
            EXPECT_FALSE(control(*dialog, "optPrintAppend_0").visible);
            EXPECT_FALSE(control(*dialog, "optPrintAppend_1").visible);
            EXPECT_TRUE(control(*dialog, "optPrintAppend_0").checked);
            const au::Control& box = control(*dialog, "txtPrintFile");
            EXPECT_FALSE(box.enabled);
            EXPECT_EQ(box.text, "last.txt");
            // "File:" shows the append options and opens the file box.
            ASSERT_TRUE(au::select(*dialog, "optPrintTarget", 1).ok);
            ASSERT_TRUE(uitest::waitUntil(
                [&] {
                    dialog = printDialog();
                    return dialog && control(*dialog, "txtPrintFile").enabled;
                },
                10000));
            EXPECT_TRUE(control(*dialog, "optPrintAppend_1").visible);
            ASSERT_TRUE(au::select(*dialog, "optPrintTarget", 0).ok);
            ASSERT_TRUE(au::click(*dialog, "OK").ok);
        },
        [] { return ui::askPrintTarget("last.txt"); });
    EXPECT_FALSE(printer.cancelled);
    EXPECT_EQ(printer.target, QString("prn:"));
}

TEST(PrintDialog, ReplaceWritesAfreshAndAppendKeepsBoth) {
    uitest::TempDir dir;
    const std::string file = (dir.path / "report.txt").string();
    const std::string once = "\r\nRushing  Season  3\r\nline one\r\n\tTabbed\r\n";

    const ui::PrintChoice replace =
        uitest::withClient([&] { chooseFile(file, true); }, [] { return ui::askPrintTarget({}); });
    ASSERT_FALSE(replace.cancelled);
    EXPECT_FALSE(replace.append);
    EXPECT_FALSE(std::filesystem::exists(file));
    EXPECT_TRUE(ui::printReport(replace, "Rushing", 3, std::nullopt, {"line one", "\tTabbed"}));
    EXPECT_EQ(fileText(file), once);

    // The dialog kept "File:", the file box and Replace; the user switches to Append twice.
    for (int i = 0; i < 2; ++i) {
        const ui::PrintChoice append =
            uitest::withClient([&] { chooseFile(file, false); }, [] { return ui::askPrintTarget({}); });
        EXPECT_TRUE(append.append);
        EXPECT_TRUE(ui::printReport(append, "Rushing", 3, std::nullopt, {"line one", "\tTabbed"}));
    }
    EXPECT_EQ(fileText(file), once + once + once);

    // Replace on an existing file keeps it until the new report is written in its place.
    const ui::PrintChoice again =
        uitest::withClient([&] { chooseFile(file, true); }, [] { return ui::askPrintTarget({}); });
    EXPECT_EQ(fileText(file), once + once + once);
    EXPECT_TRUE(ui::printReport(again, "Rushing", 3, std::nullopt, {"line one", "\tTabbed"}));
    EXPECT_EQ(fileText(file), once);
}

TEST(PrintDialog, FailuresShowThePrintingError) {
    uitest::program();
    struct Case {
        const char* what;
        ui::PrintChoice choice;
    };
    const Case cases[] = {
        {"empty file box", {false, "", true}},
        {"missing folder", {false, "/nonexistent-folder/x.txt", false}},
    };
    for (const Case& c : cases) {
        std::string text;
        const bool printed = uitest::withClient(
            [&] {
                const auto box = au::waitForWindow("KRO", 10000, "dialog");
                ASSERT_TRUE(box) << c.what;
                for (const au::Control& control : box->controls)
                    if (control.type == "label" && !control.text.empty()) text = control.text;
                au::click(*box, "OK");
            },
            [&] { return ui::printReport(c.choice, "Passing", 1, 2, {"x"}); });
        EXPECT_FALSE(printed) << c.what;
        EXPECT_EQ(text, "An Error Has Occurred During Printing.\nOperation ABORTED.") << c.what;
    }
}

TEST(PrintDialog, CancelledChoicePrintsNothing) {
    uitest::program();
    EXPECT_FALSE(ui::printReport(ui::PrintChoice{}, "Passing", 1, std::nullopt, {"x"}));
}

TEST(PrintDialog, PrinterOutputRunsOverPages) {
    uitest::program();
    uitest::TempDir dir;
    const QString pdf = QString::fromStdString((dir.path / "out.pdf").string());
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    QStringList lines;
    for (int i = 1; i <= 200; ++i) lines.append(QString("line %1\twith a tab").arg(i));
    ASSERT_TRUE(ui::printLines(printer, "Passing  Season  2", lines));
    const std::string text = fileText(pdf.toStdString());
    size_t pages = 0;
    for (size_t at = text.find("/Type /Page\n"); at != std::string::npos; at = text.find("/Type /Page\n", at + 1)) ++pages;
    EXPECT_GE(pages, 3u);  // 201 lines of 10-point type do not fit on two pages
}

}  // namespace
