#include "app/ReportPages.h"

#include <algorithm>
#include <cstdio>

PageGeometry PageGeometry::forPaper(int widthTenthMm, int heightTenthMm, bool singleSection)
{
    PageGeometry g;
    g.width = widthTenthMm;
    g.height = heightTenthMm;
    g.margin = singleSection ? kSectionMargin : kMenuMargin;
    return g;
}

int PageGeometry::rowsPerPage() const
{
    if (rowHeight <= 0) return 1;
    return std::max(1, (height - 2 * top) / rowHeight - 5);
}

int PageGeometry::firstRowOffset() const
{
    if (rowHeight <= 0) return 0;
    const int area = std::max(0, height - 2 * top);
    return (rowHeight + area % rowHeight) / 2;
}

int PageGeometry::pageCount(std::size_t rows) const
{
    const auto n = static_cast<std::size_t>(rowsPerPage());
    return std::max(1, static_cast<int>((rows + n - 1) / n));
}

std::pair<std::size_t, std::size_t> PageGeometry::rowsOnPage(int page, std::size_t rows) const
{
    if (page < 1) return {0, 0};
    const auto n = static_cast<std::size_t>(rowsPerPage());
    const std::size_t first = std::min(rows, static_cast<std::size_t>(page - 1) * n);
    return {first, std::min(rows, first + n)};
}

std::vector<ReportCell> PageGeometry::cells(const std::vector<int>& weights) const
{
    long long total = 0;
    for (int w : weights) total += std::max(w, 0);
    std::vector<ReportCell> out;
    const long long span = std::max(0, width - 2 * margin);
    int x = margin;
    for (int w : weights) {
        const int share = total > 0 ? static_cast<int>(span * std::max(w, 0) / total) : 0;
        out.push_back({x, share});
        x += share;
    }
    return out;
}

std::string pageFooterText(int page, int pageCount)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "Page %d of %d", page, pageCount);
    return buf;
}

std::string printTimeText(const std::tm& local)
{
    char buf[64];
    if (std::strftime(buf, sizeof buf, "%m/%d/%Y %H:%M:%S", &local) == 0) return {};
    return buf;
}
