// How the report's rows fall on pages, and how its parts are chosen.
#include "app/PrintSelection.h"
#include "app/ReportFormat.h"
#include "app/ReportPages.h"
#include "app/ReportSections.h"
#include "model/PrimaryIdText.h"
#include "settings/LanguageFile.h"

#include <gtest/gtest.h>

namespace {

struct PaginationCase {
    int height;
    std::size_t rows;
    int rowsPerPage;
    int offset;
    int pages;
};

class Pagination : public ::testing::TestWithParam<PaginationCase> {};

TEST_P(Pagination, RowsPerPageOffsetAndCount)
{
    const PaginationCase c = GetParam();
    const PageGeometry g = PageGeometry::forPaper(2100, c.height, false);
    EXPECT_EQ(g.rowsPerPage(), c.rowsPerPage);
    EXPECT_EQ(g.firstRowOffset(), c.offset);
    EXPECT_EQ(g.pageCount(c.rows), c.pages);
}

INSTANTIATE_TEST_SUITE_P(
    Pages, Pagination,
    ::testing::Values(PaginationCase{2550, 40, 40, 25, 1},   // (H - 2T) a multiple of R: no remainder
                      PaginationCase{2550, 41, 40, 25, 2},   // one row over: a second page
                      PaginationCase{2570, 41, 40, 35, 2},   // remainder 20 centres the rows: (50 + 20) / 2
                      PaginationCase{2970, 48, 48, 35, 1},   // A4
                      PaginationCase{2970, 0, 48, 35, 1},    // no rows: one page of header and footer
                      PaginationCase{100, 5, 1, 25, 5}));    // a paper too small for a row still pages

TEST(ReportPages, RowsOfEachPage)
{
    const PageGeometry g = PageGeometry::forPaper(2100, 2550, false);
    EXPECT_EQ(g.rowsOnPage(1, 41), (std::pair<std::size_t, std::size_t>{0, 40}));
    EXPECT_EQ(g.rowsOnPage(2, 41), (std::pair<std::size_t, std::size_t>{40, 41}));
    EXPECT_EQ(g.rowsOnPage(3, 41), (std::pair<std::size_t, std::size_t>{41, 41}));
    EXPECT_EQ(g.rowsOnPage(0, 41), (std::pair<std::size_t, std::size_t>{0, 0}));
    EXPECT_EQ(pageFooterText(1, g.pageCount(41)), "Page 1 of 2");
}

TEST(ReportPages, MarginsOfTheTwoWaysOfPrinting)
{
    const PageGeometry menu = PageGeometry::forPaper(2100, 2970, false);
    const PageGeometry single = PageGeometry::forPaper(2100, 2970, true);
    EXPECT_EQ(menu.margin, 30);
    EXPECT_EQ(single.margin, 50);
    // The header rule sits T - 2m below the top, the footer rule as far above the bottom.
    EXPECT_EQ(menu.headerRuleY(), 90);
    EXPECT_EQ(single.headerRuleY(), 50);
    EXPECT_EQ(menu.footerRuleY(), 2970 - 90);
    // The first row: offset + 4R + T - 2m.
    EXPECT_EQ(menu.firstRowTop(), 35 + 200 + 90);
    EXPECT_EQ(menu.rowTop(2), 35 + 200 + 90 + 100);
}

TEST(ReportPages, ColumnsShareTheWidthByWeight)
{
    const PageGeometry g = PageGeometry::forPaper(2100, 2970, false);  // width 2040 from x = 30
    const std::vector<ReportCell> cells = g.cells({1, 2, 3});
    ASSERT_EQ(cells.size(), 3u);
    EXPECT_EQ(cells[0].x, 30);
    EXPECT_EQ(cells[0].width, 340);
    EXPECT_EQ(cells[1].x, 370);
    EXPECT_EQ(cells[1].width, 680);
    EXPECT_EQ(cells[2].x, 1050);
    EXPECT_EQ(cells[2].width, 1020);
    // Weights that are all zero give empty cells, not a division by zero.
    EXPECT_EQ(g.cells({0, 0})[1].width, 0);
}

TEST(ReportPages, PrintTimeFormat)
{
    std::tm t{};
    t.tm_year = 2026 - 1900;
    t.tm_mon = 0;
    t.tm_mday = 9;
    t.tm_hour = 7;
    t.tm_min = 5;
    t.tm_sec = 3;
    EXPECT_EQ(printTimeText(t), "01/09/2026 07:05:03");
}

struct SectionListCase {
    const char* list;
    std::vector<int> ids;  // empty: refused
    const char* unknown;
};

class SectionList : public ::testing::TestWithParam<SectionListCase> {};

TEST_P(SectionList, ByIdOrNameInReportOrder)
{
    const SectionListCase c = GetParam();
    std::string unknown;
    const auto ids = parseSectionList(c.list, &unknown);
    if (c.ids.empty()) {
        EXPECT_FALSE(ids);
        EXPECT_EQ(unknown, c.unknown);
    } else {
        ASSERT_TRUE(ids);
        EXPECT_EQ(*ids, c.ids);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Names, SectionList,
    ::testing::Values(SectionListCase{"3655", {3655}, ""}, SectionListCase{"scan, 3655", {3655, 3801}, ""},
                      SectionListCase{"test-frequencies,radio,radio", {1109, 4000}, ""},
                      SectionListCase{"channels,,", {3655}, ""},
                      SectionListCase{"channels,bogus", {}, "bogus"}, SectionListCase{"9999", {}, "9999"}));

TEST(SectionList, EmptyListSelectsEverySection)
{
    const auto ids = parseSectionList("");
    ASSERT_TRUE(ids);
    EXPECT_EQ(ids->size(), reportSections().size());
    EXPECT_EQ(ids->front(), 1109);
    EXPECT_EQ(ids->back(), 4000);
}

TEST(PrintTree, CheckedEntriesSelectTheSectionsTheyName)
{
    LanguageFile lang;
    ASSERT_TRUE(lang.load(QAV_DATA_DIR "/QAV_E.lng"));
    struct Case {
        std::vector<std::string> texts;
        std::vector<int> ids;
    };
    const Case cases[] = {
        {{"Channel 1", "Channel"}, {3655}},
        {{"Keys", "Miscellaneous", "Password", "Radio Settings"}, {6601, 1400}},
        {{"Scan List 1", "Test Frequencies", "Radio Information"}, {1109, 3801, 4000}},
        {{"Embedded Message", "Data Watch"}, {}},
        {{}, {}},
    };
    for (const Case& c : cases) EXPECT_EQ(sectionsForTreeTexts(c.texts, lang), c.ids);
}

TEST(PrintTree, ThreeWarningsThenCancelledAndAgain)
{
    PrintTreeWarnings w;
    const int expected[] = {1229, 1229, 1229, 1228, 1229, 1229, 1229, 1228};
    for (int i = 0; i < 8; ++i) {
        const PrintTreeWarnings::Step s = w.next();
        EXPECT_EQ(s.message, expected[i]) << i;
        EXPECT_EQ(s.cancel, expected[i] == 1228) << i;
    }
}

TEST(PrimaryId, ShownAsTheRadioCanSendIt)
{
    const std::pair<std::uint16_t, const char*> cases[] = {
        {0xFFFF, "DEEE"}, {0xE123, "DEEE"}, {0x1F2F, "1E2E"}, {0xD0F0, "D0E0"}, {0, "0001"}, {0x0042, "0042"}};
    for (const auto& [stored, shown] : cases) EXPECT_EQ(shownPrimaryId(stored), shown) << stored;
}

TEST(ReportFormat, TextColumnsAlignByDisplayWidth)
{
    ReportRows rows;
    rows.push_back(equalRow(RowStyle::kTitle, {"", "信道", ""}));
    rows.push_back(equalRow(RowStyle::kHeader, {"名称", "x"}));
    rows.push_back(equalRow(RowStyle::kData, {"abcdef", "y"}));
    rows.push_back(equalRow(RowStyle::kData, {"", "", "", ""}));
    EXPECT_EQ(displayWidth("名称"), 4u);
    EXPECT_EQ(reportAsText(rows), "== 信道 ==\n名称    x\nabcdef  y\n");
}

TEST(ReportFormat, HtmlEscapesTexts)
{
    ReportRows rows;
    rows.push_back(equalRow(RowStyle::kHeader, {"<a>"}));
    rows.push_back(equalRow(RowStyle::kData, {"R&D \"x\""}));
    const std::string html = reportAsHtml(rows, "t<1>");
    EXPECT_NE(html.find("<title>t&lt;1&gt;</title>"), std::string::npos);
    EXPECT_NE(html.find("<th>&lt;a&gt;</th>"), std::string::npos);
    EXPECT_NE(html.find("<td>R&amp;D &quot;x&quot;</td>"), std::string::npos);
}

}  // namespace
