#pragma once
// Draws the report's rows on pages: the header with the title and the
// section name, the footer with the page number and the print time, and
// the rows of each page in their style's font. Lengths are the report's
// 0.1 mm; the painter is scaled to them, so the same drawing serves the
// printer, the preview and PDF files.
#include "app/ReportPages.h"
#include "app/ReportRow.h"

#include <QDateTime>
#include <QFont>
#include <QString>

#include <vector>

class QPagedPaintDevice;
class QPainter;

struct PrintJob {
    ReportRows rows;
    QString title;        // the codeplug file's path, or the program's caption
    QString sectionName;  // single-section printing only
    bool singleSection = false;
    QString pageFormat = QStringLiteral("Page %d of %d");
    QDateTime printed = QDateTime::currentDateTime();
};

class ReportPainter {
public:
    // The font of a row style, and the two further sizes the header and
    // footer use; heights in 0.1 mm.
    static QFont font(int heightTenthMm, bool heavy);
    static QFont fontForStyle(int style);

    // The page geometry of the device's printable area (the paper less its
    // margins) for this job.
    static PageGeometry geometry(const QPagedPaintDevice& device, const PrintJob& job);
    // The rows of each page of the job on the device's paper.
    static std::vector<std::vector<std::size_t>> pages(const QPagedPaintDevice& device, const PrintJob& job);
    static int pageCount(const QPagedPaintDevice& device, const PrintJob& job) { return static_cast<int>(pages(device, job).size()); }

    // Paints every page of the job on the device (the printer's page range
    // when it has one: from and to, 1-based, 0 for all). False when the
    // device cannot be painted on (a file that cannot be written).
    static bool paint(QPagedPaintDevice& device, const PrintJob& job, int fromPage = 0, int toPage = 0);

    // One page: header, footer and the given rows. The painter is in 0.1 mm.
    static void paintPage(QPainter& painter, const PageGeometry& g, const PrintJob& job,
                          const std::vector<std::size_t>& rows, int page, int pageCount);
};
