// Where the report's pages break: titles and headings stay with their rows,
// a table or record running on to a new page is headed again, and every row
// is printed once, in order.
#include "app/ReportPaging.h"
#include "app/ReportSections.h"
#include "model/CCodeplugData.h"
#include "settings/LanguageFile.h"

#include <gtest/gtest.h>

namespace {

ReportRow title(const std::string& name) { return equalRow(RowStyle::kTitle, {"", name, ""}); }
ReportRow heading(std::vector<std::string> texts) { return equalRow(RowStyle::kHeader, std::move(texts)); }
ReportRow value(std::vector<std::string> texts) { return equalRow(RowStyle::kData, std::move(texts)); }
ReportRow setting(int n) { return value({"label " + std::to_string(n), std::to_string(n)}); }

void addBlockTitle(ReportRows& rows, const std::string& name)
{
    rows.push_back(title(name));
    rows.push_back(title(""));
}

// The rows each page prints, as their first texts (the title's second).
std::vector<std::vector<std::string>> shown(const ReportRows& rows, int perPage)
{
    std::vector<std::vector<std::string>> out;
    for (const auto& page : paginateReport(rows, perPage)) {
        out.emplace_back();
        for (std::size_t i : page) {
            const ReportRow& r = rows[i];
            out.back().push_back(r.style == RowStyle::kTitle ? r.texts[1] : r.texts[0]);
        }
    }
    return out;
}

// Every row not repeated as a heading appears once, in order, and no page
// but the last ends on a title or heading.
void expectWholeAndOrdered(const ReportRows& rows, int perPage)
{
    const auto pages = paginateReport(rows, perPage);
    std::vector<std::size_t> seen;
    for (std::size_t p = 0; p < pages.size(); ++p) {
        ASSERT_LE(pages[p].size(), static_cast<std::size_t>(perPage));
        for (std::size_t at = 0; at < pages[p].size(); ++at) {
            const std::size_t i = pages[p][at];
            if (!seen.empty() && i <= seen.back()) continue;  // a heading printed again
            seen.push_back(i);
        }
        // Only a page too short to hold anything but headings ends on one.
        const bool hasValue = std::any_of(pages[p].begin(), pages[p].end(), [&rows](std::size_t i) {
            return rows[i].style != RowStyle::kTitle && rows[i].style != RowStyle::kHeader;
        });
        if (p + 1 < pages.size() && hasValue) {
            const int style = rows[pages[p].back()].style;
            EXPECT_NE(style, RowStyle::kTitle) << "page " << p + 1;
            EXPECT_NE(style, RowStyle::kHeader) << "page " << p + 1;
        }
    }
    // The rows left out are only empty ones at the top of a page.
    for (std::size_t i = 0, s = 0; i < rows.size(); ++i) {
        if (s < seen.size() && seen[s] == i) {
            ++s;
            continue;
        }
        const bool empty = std::all_of(rows[i].texts.begin(), rows[i].texts.end(), [](auto& t) { return t.empty(); });
        EXPECT_TRUE(empty || rows[i].style == RowStyle::kBlank) << "row " << i << " is not printed";
    }
}

TEST(ReportPaging, PlainRowsFillPagesOfNRows)
{
    struct Case {
        std::size_t rows;
        std::size_t pages;
    } cases[] = {{0, 1}, {1, 1}, {40, 1}, {41, 2}, {80, 2}, {81, 3}};
    for (const Case& c : cases) {
        ReportRows rows;
        for (std::size_t i = 0; i < c.rows; ++i) rows.push_back(setting(static_cast<int>(i)));
        const auto pages = paginateReport(rows, 40);
        EXPECT_EQ(pages.size(), c.pages) << c.rows;
        if (c.rows == 41) {
            EXPECT_EQ(pages[1], std::vector<std::size_t>{40});
        }
    }
}

TEST(ReportPaging, ABlockTitleAtThePageFootMovesToTheNextPage)
{
    ReportRows rows;
    for (int i = 0; i < 7; ++i) rows.push_back(setting(i));
    addBlockTitle(rows, "ATIS");
    rows.push_back(setting(100));
    rows.push_back(setting(101));
    const auto pages = shown(rows, 9);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0].size(), 7u);
    EXPECT_EQ(pages[1], (std::vector<std::string>{"ATIS", "", "label 100", "label 101"}));
}

TEST(ReportPaging, ATableRunningOnIsHeadedAgain)
{
    ReportRows rows;
    addBlockTitle(rows, "Channel");
    rows.push_back(heading({"Channel", "RX"}));
    rows.push_back(heading({"Number", "Frequency"}));
    for (int i = 1; i <= 10; ++i) rows.push_back(value({"CH " + std::to_string(i), "400.0"}));
    rows.push_back(value({"", "", "", ""}));  // the closing row
    const auto pages = shown(rows, 8);
    // The closing row left over for a third page is not printed alone.
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0], (std::vector<std::string>{"Channel", "", "Channel", "Number", "CH 1", "CH 2", "CH 3", "CH 4"}));
    EXPECT_EQ(pages[1], (std::vector<std::string>{"Channel", "Number", "CH 5", "CH 6", "CH 7", "CH 8", "CH 9", "CH 10"}));
    expectWholeAndOrdered(rows, 8);
}

TEST(ReportPaging, ARecordRunningOnIsNamedAgainWithItsTable)
{
    ReportRows rows;
    addBlockTitle(rows, "Two-Tone System");
    rows.push_back(heading({"Two-Tone System - 1"}));
    rows.push_back(setting(1));
    rows.push_back(heading({"", "Decode 1", "Decode 2"}));
    for (int i = 0; i < 4; ++i) rows.push_back(value({"line " + std::to_string(i), "a", "b"}));
    rows.push_back(setting(2));
    rows.push_back(setting(3));
    // Break inside the decoder table: the record and the table's heading.
    auto pages = shown(rows, 7);
    ASSERT_GE(pages.size(), 2u);
    EXPECT_EQ(pages[1][0], "Two-Tone System - 1");
    EXPECT_EQ(pages[1][1], "");  // the decoders' heading row
    EXPECT_EQ(pages[1][2], "line 2");
    // Break in the settings after the table: the record alone.
    pages = shown(rows, 10);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[1], (std::vector<std::string>{"Two-Tone System - 1", "label 3"}));
    for (int n : {3, 4, 5, 6, 7, 8, 9, 10, 11}) expectWholeAndOrdered(rows, n);
}

// An alert tone's two rows (frequencies, then durations under an empty
// number) are not parted by a page break.
TEST(ReportPaging, ARowAndItsContinuationStayTogether)
{
    ReportRows rows;
    addBlockTitle(rows, "Alert Tone");
    rows.push_back(heading({"No.", "Cycle", "", "Tone 1"}));
    for (int i = 1; i <= 4; ++i) {
        rows.push_back(value({std::to_string(i), "1", "Frequency[Hz]", "2100"}));
        rows.push_back(value({"", "", "Duration[ms]", "100"}));
    }
    const auto pages = shown(rows, 6);
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_EQ(pages[0], (std::vector<std::string>{"Alert Tone", "", "No.", "1", "", }));
    EXPECT_EQ(pages[1], (std::vector<std::string>{"No.", "2", "", "3", ""}));
    EXPECT_EQ(pages[2], (std::vector<std::string>{"No.", "4", ""}));
    for (int n : {3, 4, 5, 6, 7, 8}) expectWholeAndOrdered(rows, n);
}

TEST(ReportPaging, PagesTooSmallForTheirHeadingsStillEnd)
{
    ReportRows rows;
    addBlockTitle(rows, "Block");
    for (int i = 0; i < 6; ++i) rows.push_back(heading({"h", std::to_string(i)}));
    for (int i = 0; i < 6; ++i) rows.push_back(value({"v", std::to_string(i)}));
    for (int n : {1, 2, 3, 5, 8}) {
        const auto pages = paginateReport(rows, n);
        std::size_t printed = 0;
        for (const auto& p : pages) printed += p.size();
        EXPECT_GE(printed, rows.size() - 1) << n;  // the empty second title row may open a page
        EXPECT_LT(pages.size(), 3 * rows.size()) << n;
    }
}

// The whole report of a full codeplug on pages of every height from a
// postcard to A3: nothing lost, no page ending on a title or heading.
TEST(ReportPaging, TheWholeReportOnAnyPaperHeight)
{
    LanguageFile lang;
    ASSERT_TRUE(lang.load(QAV_DATA_DIR "/QAV_E.lng"));
    ModelValues model;
    model.modelId = "QAV410";
    model.freqRange = "400-470";
    CCodeplugData store;
    store.loadDefaults(model);
    const ReportRows rows = buildReport(ReportSource{store, lang, model, "1.0"}, *parseSectionList(""));
    for (int perPage = 8; perPage <= 70; ++perPage) expectWholeAndOrdered(rows, perPage);
}

}  // namespace
