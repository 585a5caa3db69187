#include "print/ReportPainter.h"

#include "app/ReportPaging.h"
#include "settings/CalendarTime.h"

#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>
#include <ctime>

namespace {

constexpr int kTitleHeight = 50;
constexpr int kHeaderHeight = 40;
constexpr int kDataHeight = 30;
constexpr int kPageTextHeight = 35;
// The title sits this far above the header rule, the footer texts this
// far below the footer rule.
constexpr int kTitleGap = 8;
constexpr int kFooterGap = 10;
constexpr int kRuleWidth = 3;

QString text(const std::string& s) { return QString::fromStdString(s); }

std::tm localTime(const QDateTime& when)
{
    const std::time_t t = static_cast<std::time_t>(when.toSecsSinceEpoch());
    std::tm local{};
    localCalendarTime(t, local);
    return local;
}

QString pageText(const QString& format, int page, int count)
{
    QString out = format;
    const int first = out.indexOf(QLatin1String("%d"));
    if (first < 0) return QStringLiteral("%1 %2/%3").arg(format).arg(page).arg(count);
    out.replace(first, 2, QString::number(page));
    const int second = out.indexOf(QLatin1String("%d"));
    if (second >= 0) out.replace(second, 2, QString::number(count));
    return out;
}

// Narrowest a text may be condensed to fit its cell.
constexpr double kMinCondense = 0.75;
// Room left between a text and the next cell.
constexpr int kCellGap = 6;

// Draws a text in its cell on one line. A text a little too wide is
// condensed to fit, so every character stays readable; one that would
// still not fit is cut short with an ellipsis rather than written over
// its neighbour.
void drawFitted(QPainter& painter, const QFont& font, const QRect& cell, const QString& s)
{
    painter.setFont(font);
    const QFontMetrics fm(font);
    const int room = std::max(1, cell.width() - kCellGap);
    const int wide = fm.horizontalAdvance(s);
    if (wide <= room) {
        painter.drawText(cell, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, s);
        return;
    }
    const double factor = std::max(kMinCondense, static_cast<double>(room) / wide);
    // Condensed by more than the limit allows, the text is cut to what fits.
    const bool fits = static_cast<double>(room) / wide >= kMinCondense;
    const int widened = fits ? wide : static_cast<int>(room / factor);
    painter.save();
    painter.translate(cell.x(), 0);
    painter.scale(factor, 1.0);
    painter.drawText(QRect(0, cell.y(), widened + kCellGap, cell.height()),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, fits ? s : fm.elidedText(s, Qt::ElideRight, widened));
    painter.restore();
}

}  // namespace

QFont ReportPainter::font(int heightTenthMm, bool heavy)
{
    QFont f;
    // Liberation Sans has the metrics of the font the layout was made for;
    // the CJK families supply what it lacks (Chinese texts).
    f.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("WenQuanYi Micro Hei"),
                   QStringLiteral("Noto Sans CJK SC"), QStringLiteral("DejaVu Sans")});
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(heightTenthMm);
    f.setWeight(heavy ? QFont::Black : QFont::Normal);
    return f;
}

QFont ReportPainter::fontForStyle(int style)
{
    if (style == RowStyle::kTitle) return font(kTitleHeight, true);
    if (style == RowStyle::kHeader) return font(kHeaderHeight, true);
    return font(kDataHeight, false);
}

PageGeometry ReportPainter::geometry(const QPagedPaintDevice& device, const PrintJob& job)
{
    // The painter's origin is the corner of the printable area.
    const QRectF paper = device.pageLayout().paintRect(QPageLayout::Millimeter);
    return PageGeometry::forPaper(qRound(paper.width() * 10), qRound(paper.height() * 10), job.singleSection);
}

std::vector<std::vector<std::size_t>> ReportPainter::pages(const QPagedPaintDevice& device, const PrintJob& job)
{
    return paginateReport(job.rows, geometry(device, job).rowsPerPage());
}

bool ReportPainter::paint(QPagedPaintDevice& device, const PrintJob& job, int fromPage, int toPage)
{
    const PageGeometry g = geometry(device, job);
    const std::vector<std::vector<std::size_t>> rowsOfPage = paginateReport(job.rows, g.rowsPerPage());
    const int count = static_cast<int>(rowsOfPage.size());
    const int first = fromPage > 0 ? std::min(fromPage, count) : 1;
    const int last = toPage > 0 ? std::clamp(toPage, first, count) : count;
    QPainter painter;
    if (!painter.begin(&device)) return false;
    // From here on one unit is 0.1 mm of paper.
    painter.scale(device.logicalDpiX() / 254.0, device.logicalDpiY() / 254.0);
    for (int p = first; p <= last; ++p) {
        if (p > first) device.newPage();
        paintPage(painter, g, job, rowsOfPage[static_cast<std::size_t>(p - 1)], p, count);
    }
    return painter.end();
}

void ReportPainter::paintPage(QPainter& painter, const PageGeometry& g, const PrintJob& job,
                              const std::vector<std::size_t>& rows, int page, int pageCount)
{
    painter.save();
    painter.setPen(QPen(Qt::black, kRuleWidth));
    const int left = g.margin, right = g.width - g.margin;

    // Header: the rule, the title above it on the left, the section name on the right.
    const int headerY = g.headerRuleY();
    painter.drawLine(left, headerY, right, headerY);
    const QFont pageFont = font(kPageTextHeight, false);
    painter.setFont(pageFont);
    const int lineHeight = QFontMetrics(pageFont).height();
    const QRect above(left, headerY - kTitleGap - lineHeight, right - left, lineHeight);
    const QFontMetrics metrics(pageFont);
    const int nameWidth = job.sectionName.isEmpty() ? 0 : metrics.horizontalAdvance(job.sectionName) + 2 * kDataHeight;
    painter.drawText(above.adjusted(0, 0, -nameWidth, 0), Qt::AlignLeft | Qt::AlignBottom | Qt::TextSingleLine,
                     metrics.elidedText(job.title, Qt::ElideMiddle, std::max(0, above.width() - nameWidth)));
    painter.drawText(above, Qt::AlignRight | Qt::AlignBottom | Qt::TextSingleLine, job.sectionName);

    // Footer: the rule, the page number below it on the left, the time on the right.
    const int footerY = g.footerRuleY();
    painter.drawLine(left, footerY, right, footerY);
    const QRect below(left, footerY + kFooterGap, right - left, lineHeight);
    painter.drawText(below, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, pageText(job.pageFormat, page, pageCount));
    painter.drawText(below, Qt::AlignRight | Qt::AlignTop | Qt::TextSingleLine,
                     text(printTimeText(localTime(job.printed))));

    // The rows of this page.
    for (std::size_t at = 0; at < rows.size(); ++at) {
        if (rows[at] >= job.rows.size()) continue;
        const ReportRow& row = job.rows[rows[at]];
        if (row.style == RowStyle::kBlank) continue;
        const QFont f = fontForStyle(row.style);
        const int top = g.rowTop(static_cast<int>(at));
        const std::vector<ReportCell> cells = g.cells(row.weights);
        for (std::size_t c = 0; c < cells.size() && c < row.texts.size(); ++c) {
            if (row.texts[c].empty()) continue;
            const QRect cell(cells[c].x, top, cells[c].width, g.rowHeight);
            drawFitted(painter, f, cell, text(row.texts[c]));
        }
    }
    painter.restore();
}
