#include "ReportTestJob.h"

#include "job/FixedText.h"
#include "report/PrintedReport.h"

#include <gtest/gtest.h>

namespace {

constexpr int S = 187;
constexpr int footerTop = (9200 / S) * S; // R = U x S

// Rows of the sample job's page 1 (no sun, air change method, no unit).
constexpr int wallRow = 13;
constexpr int infiltrationRow = 20;

TEST(ReportFrame, HeaderCarriesTitleTotalCompanyAndFooter) {
    ReportFixture f;
    const DrawnPage page = f.Draw(1);
    const DrawnText* title = page.Find("Refrigeration Load Calculation");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->x, 2210);
    EXPECT_EQ(title->y, 10);
    EXPECT_EQ(title->points, 16);
    EXPECT_EQ(title->weight, 700);

    const std::string total = std::to_string(+f.job.image.totals.totalLoad) + " btuh";
    const DrawnText& header = page.texts.at(1);
    EXPECT_EQ(header.text, std::string(12 - total.size() + 5, ' ') + total);
    EXPECT_TRUE(header.right);
    EXPECT_EQ(header.x, 7800);
    EXPECT_EQ(header.y, 280);
    EXPECT_EQ(header.points, 16);

    const DrawnText* company = page.Find("Northwind Cooling, 44 Mill Road");
    ASSERT_NE(company, nullptr);
    EXPECT_EQ(company->y, 290);
    EXPECT_EQ(company->points, 12);
    const DrawnText* phones = page.Find("Tel: 937-555-0142      Fax: 937-555-0143");
    ASSERT_NE(phones, nullptr);
    EXPECT_EQ(phones->x, 1845);
    EXPECT_EQ(phones->points, 9);
    EXPECT_EQ(page.rectangles, 1);
    EXPECT_EQ(page.lines, 3);

    const DrawnText* comments = page.Find("Comments:");
    ASSERT_NE(comments, nullptr);
    EXPECT_EQ(comments->y, footerTop + 550);
    EXPECT_EQ(comments->points, 8);
    EXPECT_EQ(page.Find("refrigeration load calculation software")->y, footerTop + 820);
}

TEST(ReportFrame, LongCompanyLineKeepsClearOfTheTotal) {
    ReportFixture f;
    SetText(f.submitter.companyName, "Consolidated Refrigeration Co");
    SetText(f.submitter.companyAddress, "18000 Commerce Parkway West");
    const DrawnPage page = f.Draw(1);
    const DrawnText* company = page.Find("Consolidated");
    ASSERT_NE(company, nullptr);
    EXPECT_EQ(company->text, "Consolidated Refrigeration Co");
}

TEST(ReportFrame, MissingLogoIsReportedAndThePageGoesOn) {
    ReportFixture f;
    const DrawnPage page = f.Draw(1);
    ASSERT_EQ(page.messages.size(), 1u);
    EXPECT_EQ(page.messages[0], "Can't open bitmap file no-such-folder/lgo.bmp");
    EXPECT_TRUE(page.bitmaps.empty());
    EXPECT_TRUE(page.Has("TOTALS"));
}

TEST(ReportFrame, ShippedLogoFitsTheHeaderBox) {
    ReportFixture f;
    f.logoPath = QUELBOX_LOGO;
    const DrawnPage page = f.Draw(1);
    ASSERT_EQ(page.bitmaps.size(), 1u);
    EXPECT_TRUE(page.messages.empty());
    const PageRect& logo = page.bitmaps[0];
    EXPECT_EQ(logo.left, 202);
    EXPECT_EQ(logo.top, ReportSurface::pageHeight - 122);
    // Inside the box (0..690 down) and left of the company telephone line at 1845.
    EXPECT_LT(logo.right - 100, 1845);
    EXPECT_GT(logo.bottom, ReportSurface::pageHeight - 100 - 690);
}

TEST(ReportJobBlock, RowsAndBasesFollowTheLineHeight) {
    ReportFixture f;
    const DrawnPage page = f.Draw(1);
    EXPECT_EQ(page.Find("Job Name:")->y, 700);
    EXPECT_EQ(page.Find("Date:")->y, 730);
    EXPECT_EQ(page.Find("12/07/2026")->points, 14);
    EXPECT_EQ(page.Find("Quotation:")->y, S + 720);
    EXPECT_EQ(page.Find("Q-1001 ")->x, 1110);
    EXPECT_EQ(page.Find("12 Harbor Street ")->y, 3 * S + 760);
    EXPECT_EQ(page.Find("Submitted by: ")->y, 5 * S + 800);
    EXPECT_EQ(page.Find("Pat Morgan ")->y, 7 * S + 800);
    EXPECT_EQ(page.Find("Fax: 937-555-0143 ")->x, 6370);
    const DrawnText* room = page.Find("Dimensions:  Length  10.00 ft      Width   8.00 ft");
    ASSERT_NE(room, nullptr);
    EXPECT_EQ(room->y, 9 * S + 630);
    EXPECT_EQ(page.Find("Run Hours     16")->y, 11 * S + 630);
}

TEST(ReportPageOne, OnePageJobHasNoPageNote) {
    ReportFixture f;
    const DrawnPage page = f.Draw(1, 1);
    EXPECT_FALSE(page.Has("(page"));
    EXPECT_TRUE(page.Has("Comments:"));
}

TEST(ReportPageOne, SurfaceLinesShowFactorNameThicknessAndGain) {
    ReportFixture f;
    const DrawnPage page = f.Draw(1);
    EXPECT_EQ(page.RowOf("WALL GAIN"), wallRow);
    const DrawnText* north = page.Find("No    0.20K");
    ASSERT_NE(north, nullptr);
    EXPECT_EQ(north->y, (wallRow + 1) * S + 700);
    EXPECT_EQ(north->points, 10);
    EXPECT_TRUE(page.Has("L x H  Polystyrene,molded        "));
    EXPECT_TRUE(page.Has(" 3.50 in     90 F"));
    // A 'U' floor shows ten blanks and the temperature in the thickness column.
    const DrawnText* floor = page.Find("          ");
    ASSERT_NE(floor, nullptr);
    EXPECT_EQ(floor->text, "             55 F");
    EXPECT_EQ(floor->x, 3750);
    EXPECT_EQ((floor->y - 700) / S, wallRow + 6);
}

TEST(ReportPageOne, SunAllowanceAddsItsRowAndMovesInfiltrationDown) {
    ReportFixture f;
    EXPECT_FALSE(f.Draw(1).Has("+ Allowance for Sun Effect"));
    EXPECT_EQ(f.Draw(1).RowOf("INFILTRATION"), infiltrationRow);

    f.job.image.surfaces[SouthWall].sunAllowance = 6;
    const DrawnPage page = f.Draw(1);
    EXPECT_TRUE(page.Has(" 3.50 in     90 F+ 6"));
    EXPECT_EQ(page.RowOf("+ Allowance for Sun Effect"), infiltrationRow);
    EXPECT_EQ(page.RowOf("INFILTRATION"), infiltrationRow + 1);
}

TEST(ReportPageOne, FloorSunAllowanceNeitherShowsNorCounts) {
    ReportFixture f;
    f.job.image.surfaces[Floor].sunAllowance = 4;
    const DrawnPage page = f.Draw(1);
    EXPECT_FALSE(page.Has("+ Allowance for Sun Effect"));
    EXPECT_TRUE(page.Has("             55 F"));
}

TEST(ReportPageOne, DoorsRowOnlyWithAirVelocity) {
    ReportFixture f;
    DrawnPage page = f.Draw(1);
    EXPECT_TRUE(page.Has("Average Air Change Method"));
    EXPECT_TRUE(page.Has("Air Changes "));
    EXPECT_FALSE(page.Has("infil/temp"));
    const int lightingRow = page.RowOf("LIGHTING");

    JobImage& im = f.job.image;
    im.infiltration.airChangeMethod = 0;
    im.airVelocityEntry = TAirVelocityEntry{85, 60, 50, 7.0, 2, 3.5, 90};
    page = f.Draw(1);
    EXPECT_TRUE(page.Has("Air Velocity Method"));
    EXPECT_TRUE(page.Has("infil/temp  85 F @  60 RH% w/50% prot/Dev "));
    const DrawnText* doors = page.Find(" 2 Doors");
    ASSERT_NE(doors, nullptr);
    EXPECT_EQ(doors->text, " 2 Doors    3.50 W     7.00 H   90 open/Min");
    EXPECT_EQ((doors->y - 700) / S, infiltrationRow + 2);
    EXPECT_EQ(page.RowOf("LIGHTING"), lightingRow + 1);
}

TEST(ReportPageOne, ZeroBlocksAreSkippedAndTotalsStay) {
    ReportFixture f;
    JobImage& im = f.job.image;
    const int totalsRow = f.Draw(1).RowOf("TOTALS");
    im.totals.lightingLoad = 0;
    im.totals.productLoad = 0;
    im.userLoad.userLoad = 0;
    im.totals.safetyLoad = 0;
    const DrawnPage page = f.Draw(1);
    for (const char* gone : {"LIGHTING", "PRODUCT", "USER", "SAFETY", "OCCUPANTS", "GLASS DOORS",
                             "ELECTRICAL", "MOTORS"})
        EXPECT_FALSE(page.Has(gone)) << gone;
    // Air changes row, then TOTALS directly.
    EXPECT_EQ(page.RowOf("TOTALS"), infiltrationRow + 2);
    EXPECT_EQ(totalsRow, infiltrationRow + 2 + 4 + 1);
}

TEST(ReportPageOne, OptionalLoadsPrintTheirInputs) {
    ReportFixture f;
    JobImage& im = f.job.image;
    im.totals.occupantLoad = 900;
    im.occupants.occupants = 2;
    im.occupants.hours = 4;
    im.totals.glassDoorLoad = 700;
    im.glassDoors.doorCount = 3;
    im.glassDoors.adjacentTemp = 75;
    im.glassDoors.doorWidth = 30;
    im.glassDoors.doorHeight = 76;
    SetText(im.glassDoors.usageText, "Normal");
    im.totals.electricLoad = 300;
    im.electric.watts = 1200;
    im.electric.hours = 6;
    im.totals.motorLoad = 250;
    im.motors.motorCount = 1;
    im.motors.motorHp = 0.5;
    im.motors.hours = 12;
    const DrawnPage page = f.Draw(1);
    const int lighting = page.RowOf("LIGHTING");
    EXPECT_EQ(page.RowOf("OCCUPANTS"), lighting + 1);
    EXPECT_TRUE(page.Has("  2 Occupants"));
    EXPECT_EQ(page.RowOf("GLASS DOORS"), lighting + 2);
    EXPECT_TRUE(page.Has("  3 @   75 F Adj/Temp         Normal"));
    EXPECT_EQ(page.RowOf("     30 in Width        76 in High"), lighting + 3);
    EXPECT_EQ(page.RowOf("ELECTRICAL"), lighting + 4);
    EXPECT_TRUE(page.Has("     1200 Watts"));
    EXPECT_EQ(page.RowOf("MOTORS"), lighting + 5);
    EXPECT_TRUE(page.Has("  1 Motors @    0.50 hp for"));
    EXPECT_EQ(page.RowOf("PRODUCT"), lighting + 6);
    const DrawnText* hours = page.Find("for  12 hours");
    ASSERT_NE(hours, nullptr);
    EXPECT_EQ(hours->x, 4700);
}

TEST(ReportPageOne, SafetyLeavesOneEmptyRowBeforeTotals) {
    ReportFixture f;
    DrawnPage page = f.Draw(1);
    ASSERT_TRUE(page.Has("Safety Factor  10 %"));
    EXPECT_EQ(page.RowOf("TOTALS"), page.RowOf("SAFETY") + 2);
    const DrawnText* total = page.Find("Total Loads");
    ASSERT_NE(total, nullptr);
    EXPECT_EQ(total->points, 12);
    EXPECT_EQ(total->weight, 400);

    f.job.image.totals.safetyLoad = 0;
    page = f.Draw(1);
    EXPECT_EQ(page.RowOf("TOTALS"), page.RowOf("USER") + 1);
}

TEST(ReportPageOne, UnitRowsWithAndWithoutCoil) {
    ReportFixture f;
    const int productRow = f.Draw(1).RowOf("Specific Heat Above Freezing");
    EXPECT_FALSE(f.Draw(1).Has("Units"));

    JobImage& im = f.job.image;
    im.unit.unitSelected = 1;
    im.unit.unitCount = 2;
    im.unit.suctionTemp = 25;
    im.unit.unitCapacity = 5000;
    im.unit.unitRunHours = 14.5;
    SetText(im.unit.unitBrand, "ACME");
    SetText(im.unit.unitModel, "CU-100");
    f.state.dailyCapacity = 72500;
    f.state.dailyLoad = 140208;
    DrawnPage page = f.Draw(1);
    const int units = page.RowOf("Units");
    EXPECT_EQ(units, page.RowOf("TOTALS") + 3);
    EXPECT_TRUE(page.Has("  2 ea     ACME               CU-100"));
    EXPECT_EQ(page.RowOf("    unit based on  90 F ambient @  25 F suction"), units + 1);
    EXPECT_EQ(page.RowOf("      5000 BTUH at 14.50 run hrs        72500 Daily Load - Selected"),
              units + 2);
    EXPECT_EQ(page.RowOf("      8763 BTUH at 16.00 run hrs       140208 Daily Load - Design"),
              units + 3);
    EXPECT_FALSE(page.Has("Coils"));
    EXPECT_EQ(page.RowOf("Specific Heat Above Freezing"), productRow + 4);

    im.coil.coilSelected = 1;
    im.coil.coilCount = 1;
    im.coil.coilTD = 10.0;
    SetText(im.coil.coilBrand, "FROSTA");
    SetText(im.coil.coilModel, "LE-080");
    SetText(im.coil.defrostType, "AIR");
    page = f.Draw(1);
    EXPECT_EQ(page.RowOf("Coils"), units + 4);
    EXPECT_TRUE(page.Has("  1 ea FROSTA LE-080  10.00 TD AIR defrost"));
    EXPECT_EQ(page.RowOf("Specific Heat Above Freezing"), productRow + 5);
}

TEST(ReportPageOne, ProductOneRowsEvenWhenNotInUse) {
    ReportFixture f;
    DrawnPage page = f.Draw(1);
    const DrawnText* heading =
        page.Find("Apples" + std::string(26, ' ') + "         1500 lbs in at");
    ASSERT_NE(heading, nullptr);
    EXPECT_EQ(heading->weight, 700);
    EXPECT_TRUE(page.Has("Heat of Respiration"));
    EXPECT_TRUE(page.Has("      1500 lbs"));

    TProductSlot& p = f.job.image.products[0];
    p.slotLoad = 0;
    p.aboveLoad = 0;
    p.belowLoad = 0;
    p.latentLoad = 0;
    p.respLoad = 0;
    p.specHeatAbove = 0;
    page = f.Draw(1);
    EXPECT_FALSE(page.Has("Apples"));
    EXPECT_FALSE(page.Has("Heat of Respiration"));
    const int above = page.RowOf("Specific Heat Above Freezing");
    EXPECT_EQ(page.RowOf("Specific Heat Below Freezing"), above + 1);
    EXPECT_EQ(page.RowOf("Latent Heat of Fusion"), above + 2);
    EXPECT_TRUE(page.Has("  0.00 factor"));
    EXPECT_TRUE(page.Has("         0 btuh"));
}

TEST(ReportPageOne, PackageRowsAndEstimateMarker) {
    ReportFixture f;
    TProductSlot& p = f.job.image.products[0];
    p.calcFlag = 2;
    p.quantity = 40;
    p.pkgWeight = 1.25;
    p.pkgLoad = 123;
    p.estimateMark = '*';
    DrawnPage page = f.Draw(1);
    EXPECT_TRUE(page.Has("    40 pkgs @     1.25 lb/pkg/material         123 btuh/pkg/material"));
    EXPECT_TRUE(
        page.Has("Apples" + std::string(26, ' ') + "         1500*lbs in at  60 F  24 hr/pd"));
    const DrawnText* marker = page.Find("* estimated Lbs");
    ASSERT_NE(marker, nullptr);
    EXPECT_EQ(marker->x, 2410);

    p.calcFlag = 3;
    p.grossWeight = 20;
    p.estimateMark = ' ';
    page = f.Draw(1);
    EXPECT_TRUE(page.Has("    40 pkgs @     20.00 lbs/per/pkg"));
    EXPECT_FALSE(page.Has("* estimated Lbs"));

    // A NUL mark from a damaged file shows as a blank instead of ending the heading.
    p.estimateMark = '\0';
    page = f.Draw(1);
    EXPECT_TRUE(
        page.Has("Apples" + std::string(26, ' ') + "         1500 lbs in at  60 F  24 hr/pd"));
}

TEST(ReportPageTwo, ProductsTwoToFiveAndPageNotes) {
    ReportFixture f;
    f.UseProduct(1, "Pears");
    f.UseProduct(3, "Cabbage");
    const DrawnPage one = f.Draw(1, 2);
    const DrawnText* note1 = one.Find("(page ");
    ASSERT_NE(note1, nullptr);
    EXPECT_EQ(note1->text, "(page 1 of 2)");
    EXPECT_EQ(note1->x, 6000);
    EXPECT_EQ(note1->y, footerTop + 820);

    const DrawnPage two = f.Draw(2, 2);
    EXPECT_EQ(two.Find("(page ")->text, "(page 2 of 2)");
    EXPECT_FALSE(two.Has("WALL GAIN"));
    EXPECT_TRUE(two.Has("Job Name:"));
    // Step 5 leaves row 13 empty; the heading stands one row below its step.
    const DrawnText* pears =
        two.Find("Pears" + std::string(27, ' ') + "         1500 lbs in at  60 f");
    ASSERT_NE(pears, nullptr);
    EXPECT_EQ((pears->y - 700) / S, 15);
    EXPECT_EQ(two.RowOf("Specific Heat Above Freezing"), 16);
    // Product 3 is not in use: no heading, but its three rows; product 4 follows.
    EXPECT_FALSE(two.Has("Apples"));
    const int cabbage = two.RowOf("Cabbage");
    EXPECT_EQ(cabbage, 16 + 4 + 3 + 1);
    int heatRows = 0;
    for (const DrawnText& t : two.texts)
        heatRows += t.text == "Specific Heat Above Freezing";
    EXPECT_EQ(heatRows, 4);
}

TEST(ReportPage, LineHeightComesFromTheSurface) {
    ReportFixture f;
    ReportSurface surface;
    surface.drawn.lineHeight = 150;
    ReportPageControl control{1, true, {}};
    DrawReportPage(1, surface, f.Content(), control);
    EXPECT_EQ(surface.drawn.Find("Quotation:")->y, 150 + 720);
    EXPECT_EQ(surface.drawn.Find("Comments:")->y, (9200 / 150) * 150 + 550);

    ReportSurface flat;
    flat.drawn.lineHeight = 0; // a surface that measures nothing still lays the page out
    DrawReportPage(1, flat, f.Content(), control);
    EXPECT_TRUE(flat.drawn.Has("TOTALS"));
    EXPECT_EQ(flat.drawn.Find("Quotation:")->y, 1 + 720);
}

TEST(ReportPage, AbortStopsBeforeTheNextStep) {
    ReportFixture f;
    ReportSurface surface;
    int asked = 0;
    ReportPageControl control{2, true, [&asked] { return ++asked > 2; }};
    DrawReportPage(1, surface, f.Content(), control);
    EXPECT_EQ(asked, 3);
    EXPECT_FALSE(control.morePages);
    EXPECT_TRUE(surface.drawn.Has("Refrigeration Load Calculation"));
    EXPECT_TRUE(surface.drawn.Has("Job Name:"));
    EXPECT_TRUE(surface.drawn.Has("Quotation:"));
    EXPECT_FALSE(surface.drawn.Has("Customer:"));
    EXPECT_FALSE(surface.drawn.Has("Comments:"));
}

TEST(ReportPage, PageOneAsksBeforeEveryStepAndKeepsMorePages) {
    ReportFixture f;
    ReportSurface surface;
    int asked = 0;
    ReportPageControl control{2, true, [&asked] {
                                  ++asked;
                                  return false;
                              }};
    DrawReportPage(1, surface, f.Content(), control);
    EXPECT_EQ(asked, 47); // steps 0 to 46
    EXPECT_TRUE(control.morePages);
}

} // namespace
