#pragma once
// How the report's rows fall on pages. All lengths are in 0.1 mm, measured
// from the top-left corner of the paper: a header rule near the top, a
// footer rule as far from the bottom, and between them a fixed number of
// rows of equal height, the row area centred in what is left over.
#include <ctime>
#include <string>
#include <utility>
#include <vector>

struct ReportCell {
    int x = 0;      // left edge
    int width = 0;
};

struct PageGeometry {
    int width = 2100;   // W: the paper's width
    int height = 2970;  // H: the paper's height
    int margin = 30;    // m: side margin
    int top = 150;      // T: distance of the row area from the paper's edges
    int rowHeight = 50; // R

    // The margins of the two ways of printing: a single section from its
    // editor's bar leaves wider sides than the whole report from the menu.
    static constexpr int kMenuMargin = 30;
    static constexpr int kSectionMargin = 50;
    static PageGeometry forPaper(int widthTenthMm, int heightTenthMm, bool singleSection);

    // N = (H - 2T) / R - 5 rows per page; at least one, so that any paper
    // (even one too small to hold a row) gives a finite page count.
    int rowsPerPage() const;
    // (R + (H - 2T) mod R) / 2: the remainder of the row area is split
    // above and below the rows.
    int firstRowOffset() const;
    // Rows divided by N, rounded up; a report without rows still has one
    // page for its header and footer.
    int pageCount(std::size_t rows) const;
    // The rows of page p (1-based) as [first, end); empty past the last page.
    std::pair<std::size_t, std::size_t> rowsOnPage(int page, std::size_t rows) const;

    int headerRuleY() const { return top - 2 * margin; }
    int footerRuleY() const { return height - (top - 2 * margin); }
    // Top edge of the page's first row; each row below it takes R.
    int firstRowTop() const { return firstRowOffset() + 4 * rowHeight + top - 2 * margin; }
    int rowTop(int indexOnPage) const { return firstRowTop() + indexOnPage * rowHeight; }
    // The columns of a row: the width W - 2m divided in proportion to the
    // weights (integer shares, as the printer measures them), from x = m.
    std::vector<ReportCell> cells(const std::vector<int>& weights) const;
};

// "Page %d of %d".
std::string pageFooterText(int page, int pageCount);
// The print time as the footer shows it: "%m/%d/%Y %H:%M:%S".
std::string printTimeText(const std::tm& local);
