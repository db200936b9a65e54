// quelbox-cli report: the PDF it writes, read back with pdftotext -bbox, and its exit codes.

#include "CliRun.h"
#include "TempFolder.h"
#include "calc/Totals.h"
#include "cli/SampleJob.h"
#include "job/FixedText.h"
#include "job/JobFile.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <regex>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace {

ShellRun Report(const std::string& args) {
    return RunCli("report " + args);
}

struct Word {
    int page = 0;
    double xMin = 0, yMin = 0, xMax = 0, yMax = 0;
    std::string text;
};

// Every word of the PDF with its box in points from the sheet's top-left corner.
std::vector<Word> ReadWords(const std::string& pdf) {
    const ShellRun run = RunShell("pdftotext -bbox '" + pdf + "' -");
    std::vector<Word> words;
    static const std::regex word(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    static const std::regex page("<page ");
    int pageNumber = 0;
    std::size_t at = 0;
    const std::string& html = run.out;
    for (std::sregex_iterator it(html.begin(), html.end(), word), end; it != end; ++it) {
        const auto& m = *it;
        const std::size_t position = static_cast<std::size_t>(m.position());
        for (std::size_t p = html.find("<page ", at); p != std::string::npos && p < position;
             p = html.find("<page ", p + 1)) {
            ++pageNumber;
            at = p + 1;
        }
        words.push_back(
            {pageNumber, std::stod(m[1]), std::stod(m[2]), std::stod(m[3]), std::stod(m[4]), m[5]});
    }
    return words;
}

const Word* First(const std::vector<Word>& words, const std::string& text, int page = 1) {
    for (const Word& w : words) {
        if (w.text == text && w.page == page)
            return &w;
    }
    return nullptr;
}

// US Letter with 0.25 inch margins: 18 points of margin, the Form origin 100 units inside, and
// the page height from whole millimetres (267 mm = 10511 units) 11 units above the real 10500.
double PointsX(double formX) {
    return 18 + (formX + 100) * 0.072;
}
double PointsY(double formY) {
    return 18 + (formY + 100 - 11) * 0.072;
}
constexpr double tolerance = 0.25; // points, under 0.004 inch

class ReportPdf : public ::testing::Test {
protected:
    void SetUp() override {
        if (RunShell("command -v pdftotext").status != 0)
            GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
        BuildSampleJob(job);
        ASSERT_TRUE(WriteJobFile(job, dir.File("sample.kvj")).ok);
        std::filesystem::copy_file(QUELBOX_LOGO, dir.File("lgo.bmp"));
    }
    void WriteTwoProductJob() {
        job.image.products[1] = job.image.products[0];
        SetPadded(job.image.products[1].productName, "Pears", 32);
        RefreshLoads(job);
        ASSERT_GT(+job.image.products[1].slotLoad, 0);
        ASSERT_TRUE(WriteJobFile(job, dir.File("two.kvj")).ok);
    }
    TempFolder dir;
    Job job;
};

TEST_F(ReportPdf, TitleTotalAndFooterStandWhereTheGeometryPutsThem) {
    const ShellRun run =
        Report(dir.File("sample.kvj") + " -o " + dir.File("out.pdf") + " --dir " + dir.Path());
    ASSERT_EQ(run.status, 0) << run.out;
    const auto words = ReadWords(dir.File("out.pdf"));

    const Word* title = First(words, "Refrigeration");
    ASSERT_NE(title, nullptr);
    EXPECT_NEAR(title->xMin, PointsX(2210), tolerance);
    EXPECT_NEAR(title->yMin, PointsY(10), tolerance);

    // The grand total in the header ends 100 units left of C5.
    const Word* total = First(words, std::to_string(+job.image.totals.totalLoad));
    ASSERT_NE(total, nullptr);
    EXPECT_NEAR(total->yMin, PointsY(280), tolerance);
    const Word* btuh = First(words, "btuh");
    ASSERT_NE(btuh, nullptr);
    EXPECT_NEAR(btuh->xMax, PointsX(7700), tolerance);
    EXPECT_NEAR(btuh->yMin, PointsY(280), tolerance);

    // Footer rows at R = U x S, with S = 187 for Arial 12 (Liberation Sans).
    const int R = (9200 / 187) * 187;
    const Word* comments = First(words, "Comments:");
    ASSERT_NE(comments, nullptr);
    EXPECT_NEAR(comments->xMin, PointsX(100), tolerance);
    EXPECT_NEAR(comments->yMin, PointsY(R + 550), tolerance);
    const Word* software = First(words, "software");
    ASSERT_NE(software, nullptr);
    EXPECT_NEAR(software->yMin, PointsY(R + 820), tolerance);
    EXPECT_EQ(First(words, "(page"), nullptr);
    EXPECT_EQ(run.out.find("Can't open bitmap file"), std::string::npos) << run.out;
}

TEST_F(ReportPdf, TwoProductJobHasTwoPagesAndPageTwoAlone) {
    WriteTwoProductJob();
    ShellRun run =
        Report(dir.File("two.kvj") + " -o " + dir.File("both.pdf") + " --dir " + dir.Path());
    ASSERT_EQ(run.status, 0) << run.out;
    auto words = ReadWords(dir.File("both.pdf"));
    ASSERT_NE(First(words, "Pears", 2), nullptr);
    EXPECT_EQ(First(words, "Pears", 1), nullptr);
    ASSERT_NE(First(words, "(page", 1), nullptr);
    ASSERT_NE(First(words, "(page", 2), nullptr);

    run = Report(dir.File("two.kvj") + " -o " + dir.File("two.pdf") + " --page 2 --dir " +
                 dir.Path());
    ASSERT_EQ(run.status, 0) << run.out;
    words = ReadWords(dir.File("two.pdf"));
    EXPECT_NE(First(words, "Pears", 1), nullptr);
    EXPECT_EQ(First(words, "WALL", 1), nullptr);
    EXPECT_TRUE(words.empty() || words.back().page == 1);
}

TEST_F(ReportPdf, MissingLogoIsCopiedFromTheShippedSet) {
    std::filesystem::remove(dir.File("lgo.bmp"));
    const ShellRun run =
        Report(dir.File("sample.kvj") + " -o " + dir.File("out.pdf") + " --dir " + dir.Path());
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(run.out.find("Can't open bitmap file"), std::string::npos) << run.out;
    EXPECT_TRUE(std::filesystem::exists(dir.File("lgo.bmp")));
}

TEST_F(ReportPdf, UnreadableLogoIsReportedAndTheReportIsWritten) {
    WriteBytes(dir.File("lgo.bmp"), {'n', 'o', 't', ' ', 'a', ' ', 'b', 'm', 'p'});
    const ShellRun run =
        Report(dir.File("sample.kvj") + " -o " + dir.File("out.pdf") + " --dir " + dir.Path());
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_NE(run.out.find("Can't open bitmap file " + dir.File("lgo.bmp")), std::string::npos)
        << run.out;
    EXPECT_NE(First(ReadWords(dir.File("out.pdf")), "TOTALS"), nullptr);
}

TEST_F(ReportPdf, ExitCodes) {
    const std::string job = dir.File("sample.kvj");
    EXPECT_EQ(Report(job).status, 1);
    EXPECT_EQ(Report(job + " -o " + dir.File("x.pdf") + " --page 3").status, 1);
    EXPECT_EQ(Report(job + " -o " + dir.File("x.pdf") + " --page 2").status, 1);
    EXPECT_FALSE(std::filesystem::exists(dir.File("x.pdf")));

    WriteBytes(dir.File("bad.kvj"), {'n', 'o', 't', ' ', 'a', ' ', 'j', 'o', 'b'});
    EXPECT_EQ(Report(dir.File("bad.kvj") + " -o " + dir.File("x.pdf")).status, 2);

    const ShellRun unwritable = Report(job + " -o " + dir.File("no-such-folder/x.pdf"));
    EXPECT_EQ(unwritable.status, 3);
    EXPECT_NE(unwritable.out.find("no-such-folder/x.pdf"), std::string::npos) << unwritable.out;
}

} // namespace
