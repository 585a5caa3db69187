#include "print/CReportPrinter.h"

#include "app/PrintSelection.h"
#include "app/ReportSections.h"
#include "app/ReportTexts.h"
#include "controls/LanguageSource.h"
#include "settings/LanguageFile.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QSaveFile>

namespace {

constexpr int kProgramCaption = 128;
constexpr int kPrintCaption = 1173;

std::vector<int> allSections()
{
    std::vector<int> ids;
    for (const ReportSection& s : reportSections()) ids.push_back(s.id);
    return ids;
}

}  // namespace

CReportPrinter::CReportPrinter(const LanguageSource& texts, Hooks hooks, QWidget* window)
    : QObject(window), m_texts(texts), m_hooks(std::move(hooks)), m_window(window),
      m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution)), m_selection(allSections())
{
    // The report is laid out in the printable area: the paper less the
    // margins of Print Setup (at least what the printer cannot reach).
    m_runTree = [](CDlgPrintTree& dlg) -> std::optional<std::vector<int>> {
        if (dlg.exec() != QDialog::Accepted) return std::nullopt;
        return dlg.selectedSections();
    };
}

CReportPrinter::~CReportPrinter() = default;

std::optional<PrintJob> CReportPrinter::makeJob(const std::vector<int>& sectionIds, int single) const
{
    const std::optional<ReportSource> source = m_hooks.source ? m_hooks.source() : std::nullopt;
    if (!source) return std::nullopt;
    PrintJob job;
    job.singleSection = single != 0;
    if (job.singleSection) {
        const ReportSection* s = findReportSection(single);
        const int id = s ? s->id : reportSections().front().id;
        job.rows = buildSectionReport(*source, id);
        job.sectionName = QString::fromStdString(source->language.caption(id));
    } else {
        job.rows = buildReport(*source, sectionIds);
    }
    job.title = m_hooks.title ? m_hooks.title() : QString();
    if (job.title.isEmpty()) job.title = QString::fromStdString(m_texts.caption(kProgramCaption));
    if (auto format = source->language.findCaption(ReportText::kPageOf.id)) job.pageFormat = QString::fromStdString(*format);
    return job;
}

std::optional<std::vector<int>> CReportPrinter::runPrintTree()
{
    const std::vector<PrintTreeEntry> entries = m_hooks.treeEntries ? m_hooks.treeEntries() : std::vector<PrintTreeEntry>{};
    CDlgPrintTree dlg(
        m_texts, entries,
        [this](const std::vector<std::string>& texts) {
            const std::optional<ReportSource> source = m_hooks.source ? m_hooks.source() : std::nullopt;
            return source ? sectionsForTreeTexts(texts, source->language) : std::vector<int>{};
        },
        m_window);
    connect(&dlg, &CDlgPrintTree::printSetupRequested, this, &CReportPrinter::pageSetup);
    connect(&dlg, &CDlgPrintTree::helpRequested, this, [this](int id) {
        if (m_hooks.help) m_hooks.help(id);
    });
    std::optional<std::vector<int>> chosen = m_runTree(dlg);
    // The selected flags are cleared on OK; a cancelled dialog keeps them.
    if (chosen) m_selection = *chosen;
    return chosen;
}

bool CReportPrinter::runPrintDialog(const PrintJob& job, bool pageNumbers)
{
    // The job's name in the printer queue and the file name "Print to
    // File" offers: the codeplug's name rather than "print.pdf".
    const QString file = m_hooks.title ? QFileInfo(m_hooks.title()).completeBaseName() : QString();
    m_printer->setDocName(file.isEmpty() ? job.title : file);
    QPrintDialog dlg(m_printer.get(), m_window);
    // The pages that can be chosen are the report's own.
    dlg.setMinMax(1, ReportPainter::pageCount(*m_printer, job));
    dlg.setOption(QAbstractPrintDialog::PrintSelection, false);
    dlg.setOption(QAbstractPrintDialog::PrintPageRange, pageNumbers);
    dlg.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    return dlg.exec() == QDialog::Accepted;
}

void CReportPrinter::sendToPrinter(const PrintJob& job)
{
    const bool range = m_printer->printRange() == QPrinter::PageRange;
    const int from = range ? m_printer->fromPage() : 0;
    const int to = range ? m_printer->toPage() : 0;
    if (!ReportPainter::paint(*m_printer, job, from, to)) {
        showError(tr("The report could not be printed."));
        return;
    }
    emit printed(ReportPainter::pageCount(*m_printer, job));
}

void CReportPrinter::print()
{
    const std::optional<std::vector<int>> chosen = runPrintTree();
    if (!chosen) return;
    const std::optional<PrintJob> job = makeJob(*chosen);
    if (!job || !runPrintDialog(*job, true)) return;
    sendToPrinter(*job);
}

void CReportPrinter::printSection(int sectionId)
{
    m_selection.clear();
    const std::optional<PrintJob> job = makeJob({}, sectionId != 0 ? sectionId : reportSections().front().id);
    if (!job || !runPrintDialog(*job, false)) return;
    m_printer->setPrintRange(QPrinter::AllPages);
    sendToPrinter(*job);
}

void CReportPrinter::preview()
{
    QPrintPreviewDialog dlg(m_printer.get(), m_window);
    // The command's text without its mnemonic: "Print Pre&view", "打印预览(&V)".
    QString title = QString::fromStdString(m_texts.caption(57609));
    title.remove(QRegularExpression(QStringLiteral("\\(&.\\)"))).remove('&');
    dlg.setWindowTitle(title.trimmed());
    // Big enough to read a whole page; the dialog's own size shows it at
    // about 40 %.
    if (m_window) dlg.resize(m_window->size() * 0.9);
    connect(&dlg, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* printer) {
        if (const std::optional<PrintJob> job = makeJob(previewSections())) ReportPainter::paint(*printer, *job);
    });
    if (m_hooks.previewActive) m_hooks.previewActive(true);
    dlg.exec();
    if (m_hooks.previewActive) m_hooks.previewActive(false);
}

std::vector<int> CReportPrinter::previewSections() const
{
    // A selection emptied by a single-section print would preview a blank
    // page; the whole report is shown instead.
    return m_selection.empty() ? allSections() : m_selection;
}

void CReportPrinter::pageSetup()
{
    QPageSetupDialog dlg(m_printer.get(), m_window);
    dlg.exec();
}

bool CReportPrinter::writePdf(const QString& path, const std::vector<int>& sectionIds, QString* error)
{
    const std::optional<PrintJob> job = makeJob(sectionIds);
    auto fail = [error](const QString& why) {
        if (error) *error = why;
        return false;
    };
    if (!job) return fail(tr("There is no codeplug to print."));
    // Written beside the target and renamed over it at the end, so a
    // failure leaves no partial file and keeps an older one.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return fail(QStringLiteral("%1: %2").arg(path, file.errorString()));
    {
        QPdfWriter writer(&file);
        writer.setCreator(QStringLiteral("qav-cps"));
        writer.setTitle(job->title);
        writer.setResolution(600);
        writer.setPageLayout(m_printer->pageLayout());
        if (!ReportPainter::paint(writer, *job)) {
            file.cancelWriting();
            return fail(QStringLiteral("%1: %2").arg(path, tr("the PDF could not be drawn")));
        }
    }
    if (!file.commit()) return fail(QStringLiteral("%1: %2").arg(path, file.errorString()));
    return true;
}

void CReportPrinter::exportPdf()
{
    const std::optional<std::vector<int>> chosen = runPrintTree();
    if (!chosen) return;
    QString suggested = m_hooks.title ? m_hooks.title() : QString();
    suggested = QFileInfo(suggested).completeBaseName();
    const QString path = QFileDialog::getSaveFileName(m_window, QString(), suggested.isEmpty() ? QStringLiteral("report.pdf")
                                                                                                : suggested + ".pdf",
                                                      QStringLiteral("PDF (*.pdf)"));
    if (path.isEmpty()) return;
    // The open codeplug's file is never overwritten by its report.
    const QFileInfo target(path), document(m_hooks.title ? m_hooks.title() : QString());
    if (target.exists() && document.exists() && target.canonicalFilePath() == document.canonicalFilePath()) {
        showError(tr("%1 is the codeplug file itself; choose another name for the PDF.").arg(path));
        return;
    }
    QString error;
    if (!writePdf(path, *chosen, &error)) showError(error);
}

void CReportPrinter::showError(const QString& text)
{
    QMessageBox::warning(m_window, QString::fromStdString(m_texts.message(kPrintCaption)), text);
}
