#pragma once
// One row of the printed codeplug report: a style, the column texts and the
// column weights. The report is a plain list of these rows, built from the
// section store by the row builders and laid out on pages by ReportPages;
// the desktop program draws it, `qav report` prints it as text or HTML.
#include <string>
#include <vector>

namespace RowStyle {
constexpr int kBlank = 0;   // nothing is drawn
constexpr int kTitle = 1;   // section title: large, heavy
constexpr int kData = 2;    // any style other than these three is a data row
constexpr int kHeader = 4;  // column headings: heavy
}  // namespace RowStyle

struct ReportRow {
    int style = RowStyle::kData;
    std::vector<std::string> texts;  // one per column
    std::vector<int> weights;        // one positive share of the width per column

    bool operator==(const ReportRow&) const = default;
};

// A row whose columns share the width equally.
ReportRow equalRow(int style, std::vector<std::string> texts);
// A row with the given weights; a missing or non-positive weight counts 1.
ReportRow weightedRow(int style, std::vector<std::string> texts, const std::vector<int>& weights);

using ReportRows = std::vector<ReportRow>;
