#include "../dialogs/DialogTestSupport.h"

#include "app/Commands.h"
#include "app/ReportPrinting.h"
#include "cli/SampleJob.h"
#include "tables/ShippedTables.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <memory>

namespace {

// The text of a PDF as pdftotext reads it (layout kept), or empty when that is not possible.
std::string PdfText(const std::string& path) {
    const std::string command = "pdftotext -layout '" + path + "' - 2>/dev/null";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(::popen(command.c_str(), "r"), ::pclose);
    std::string text;
    if (!pipe)
        return text;
    char buffer[4096];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe.get())) > 0)
        text.append(buffer, n);
    return text;
}

class Printing : public ::testing::Test {
protected:
    void SetUp() override {
        EnsureApplication();
        state.folder = folder.path();
        StartUp(state, ShippedTableFolders());
        BuildSampleJob(state.job);
        printing.Printer().setOutputFormat(QPrinter::PdfFormat);
        printing.Printer().setOutputFileName(QString::fromStdString(folder.file("out.pdf")));
    }

    // A second product makes the report two pages long.
    void AddSecondProduct() { state.job.image.products[1] = state.job.image.products[0]; }

    TempFolder folder;
    AppState state;
    ReportPrinting printing;
};

// The report is laid out for US Letter; without a printer of its own size the dialog starts
// there, also when the output goes to a file.
TEST(PrintingPage, StartsOnLetterWithoutAPrinterOfItsOwnSize) {
    EnsureApplication();
    ReportPrinting printing;
    QPrinter& printer = printing.Printer();
    if (!QPrinterInfo(printer).isNull())
        GTEST_SKIP() << "a printer with its own page size is installed";
    EXPECT_EQ(printer.pageLayout().pageSize().id(), QPageSize::Letter);
    printer.setOutputFormat(QPrinter::PdfFormat);
    EXPECT_EQ(printer.pageLayout().pageSize().id(), QPageSize::Letter);
    ModalScript modal({[&](QDialog& d) {
        EXPECT_NE(dynamic_cast<QPrintDialog*>(&d), nullptr);
        EXPECT_EQ(printer.pageLayout().pageSize().id(), QPageSize::Letter);
        return static_cast<int>(QDialog::Rejected);
    }});
    AppState state;
    BuildSampleJob(state.job);
    printing.Print(state, nullptr);
    EXPECT_EQ(modal.opened.size(), 1u);
}

TEST_F(Printing, DialogOffersTheReportsPagesAndPrintsThem) {
    AddSecondProduct();
    int minPage = 0;
    int maxPage = 0;
    ModalScript modal({[&](QDialog& dialog) {
        auto& print = dynamic_cast<QPrintDialog&>(dialog);
        minPage = print.minPage();
        maxPage = print.maxPage();
        return static_cast<int>(QDialog::Accepted);
    }});
    MessageScript messages;
    printing.Print(state, nullptr);
    EXPECT_EQ(minPage, 1);
    EXPECT_EQ(maxPage, 2);
    EXPECT_TRUE(messages.shown.empty());
    const std::string text = PdfText(folder.file("out.pdf"));
    if (text.empty())
        GTEST_SKIP() << "pdftotext is not available";
    EXPECT_NE(text.find("Refrigeration Load Calculation"), std::string::npos);
    EXPECT_NE(text.find("(page 1 of 2)"), std::string::npos);
    EXPECT_NE(text.find("(page 2 of 2)"), std::string::npos);
}

TEST_F(Printing, OnePageJobAndPageTwoAlone) {
    int maxPage = 0;
    ModalScript modal({[&](QDialog& dialog) {
        maxPage = dynamic_cast<QPrintDialog&>(dialog).maxPage();
        return static_cast<int>(QDialog::Accepted);
    }});
    printing.Print(state, nullptr);
    EXPECT_EQ(maxPage, 1);

    AddSecondProduct();
    ModalScript pageTwo({[&](QDialog&) {
        printing.Printer().setPrintRange(QPrinter::PageRange);
        printing.Printer().setFromTo(2, 2);
        return static_cast<int>(QDialog::Accepted);
    }});
    printing.Print(state, nullptr);
    const std::string text = PdfText(folder.file("out.pdf"));
    if (text.empty())
        GTEST_SKIP() << "pdftotext is not available";
    EXPECT_EQ(text.find("(page 1 of 2)"), std::string::npos);
    EXPECT_NE(text.find("(page 2 of 2)"), std::string::npos);
}

TEST_F(Printing, CancelledDialogPrintsNothing) {
    ModalScript modal({[](QDialog&) { return static_cast<int>(QDialog::Rejected); }});
    printing.Print(state, nullptr);
    EXPECT_FALSE(std::filesystem::exists(folder.file("out.pdf")));
}

TEST_F(Printing, ExportWritesThePdfAndNamesAFailure) {
    FileScript files({QString::fromStdString(folder.file("report.pdf")),
                      QString::fromStdString(folder.file("no/such/folder/report.pdf"))});
    MessageScript messages;
    printing.ExportPdf(state, nullptr);
    ASSERT_TRUE(std::filesystem::exists(folder.file("report.pdf")));
    ASSERT_EQ(files.asked.size(), 1u);
    EXPECT_EQ(files.asked[0].preset, QStringLiteral("Sample Cooler.pdf"));
    EXPECT_TRUE(messages.shown.empty());

    printing.ExportPdf(state, nullptr);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].title, QStringLiteral("File Save Error"));
    EXPECT_TRUE(messages.shown[0].text.contains(QStringLiteral("no/such/folder/report.pdf")));
}

TEST_F(Printing, AnUnreadableLogoIsToldOnceAndThePagesStillPrint) {
    AddSecondProduct();
    {
        std::FILE* logo = std::fopen(state.pathOf(LogoFileName).c_str(), "wb");
        ASSERT_NE(logo, nullptr);
        std::fputs("BM", logo); // a bitmap cut short after its signature
        std::fclose(logo);
    }
    const QString expected = QStringLiteral("Can't open bitmap file ") +
                             QString::fromStdString(state.pathOf(LogoFileName));

    ModalScript modal({[](QDialog&) { return static_cast<int>(QDialog::Accepted); }});
    MessageScript printed;
    printing.Print(state, nullptr);
    ASSERT_EQ(printed.shown.size(), 1u);
    EXPECT_EQ(printed.shown[0].text, expected);
    EXPECT_EQ(printed.shown[0].title, ApplicationTitle());

    FileScript files({QString::fromStdString(folder.file("report.pdf"))});
    MessageScript exported;
    printing.ExportPdf(state, nullptr);
    ASSERT_EQ(exported.shown.size(), 1u);
    EXPECT_EQ(exported.shown[0].text, expected);

    const std::string text = PdfText(folder.file("out.pdf"));
    if (text.empty())
        GTEST_SKIP() << "pdftotext is not available";
    EXPECT_NE(text.find("(page 2 of 2)"), std::string::npos);
}

TEST_F(Printing, CommandsNeedALoadedJob) {
    state.job.image.flags.jobLoaded = 0;
    for (CommandId id : {CommandId::PrintJob, CommandId::PrintPreview, CommandId::ExportPdf})
        EXPECT_FALSE(StatusOf(CommandInfoOf(id), state, true, true).enabled);
    state.job.image.flags.jobLoaded = 1;
    for (CommandId id : {CommandId::PrintJob, CommandId::PrintPreview, CommandId::ExportPdf})
        EXPECT_TRUE(StatusOf(CommandInfoOf(id), state, true, true).enabled);
}

} // namespace
