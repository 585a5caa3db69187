// The report on paper: PDF files made from the window's printer and by
// `qav-cps --print-pdf`, read back with poppler's tools, and the commands
// that stop before anything is printed.
#include "app/ReportPaging.h"
#include "app/ReportSections.h"
#include "controls/LanguageSource.h"
#include "model/CCodeplugData.h"
#include "print/CReportPrinter.h"
#include "settings/LanguageFile.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class FileTexts : public LanguageSource {
public:
    explicit FileTexts(const LanguageFile& file) : file_(file) {}
    std::string message(int id) const override { return file_.message(id); }
    std::string caption(int id) const override { return file_.caption(id); }
    int modelFlag(int) const override { return 0; }

private:
    const LanguageFile& file_;
};

// Runs a tool; its standard output, or nullopt when it cannot run.
std::optional<QString> tool(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) return std::nullopt;
    return QString::fromUtf8(p.readAllStandardOutput());
}

int pdfPages(const QString& path)
{
    const auto info = tool("pdfinfo", {path});
    if (!info) return -1;
    for (const QString& line : info->split('\n'))
        if (line.startsWith("Pages:")) return line.mid(6).trimmed().toInt();
    return -1;
}

QString pdfText(const QString& path) { return tool("pdftotext", {"-layout", path, "-"}).value_or(QString()); }

class ReportPrinterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(tmp.isValid());
        ASSERT_TRUE(lang.load(QAV_DATA_DIR "/QAV_E.lng"));
        model.modelId = "QAV410";
        model.freqRange = "400-470";
        store.loadDefaults(model);
        CReportPrinter::Hooks hooks;
        hooks.source = [this]() -> std::optional<ReportSource> { return ReportSource{store, lang, model, "1.0"}; };
        hooks.title = [] { return QStringLiteral("/codeplugs/fleet.qav"); };
        hooks.previewActive = [this](bool on) { previewStates.push_back(on); };
        printer = std::make_unique<CReportPrinter>(texts, std::move(hooks), nullptr);
        printer->printer().setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
        QObject::connect(printer.get(), &CReportPrinter::printed, [this](int pages) { printedPages.push_back(pages); });
    }

    // Closes the next modal dialog as soon as it is up.
    static void rejectNextDialog()
    {
        QTimer::singleShot(50, [] {
            if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) d->reject();
        });
    }

    QTemporaryDir tmp;
    LanguageFile lang;
    FileTexts texts{lang};
    ModelValues model;
    CCodeplugData store;
    std::unique_ptr<CReportPrinter> printer;
    std::vector<bool> previewStates;
    std::vector<int> printedPages;
};

TEST_F(ReportPrinterTest, PdfHoldsTheChannelRowsOnTheComputedPages)
{
    const QString pdf = tmp.filePath("channels.pdf");
    QString error;
    ASSERT_TRUE(printer->writePdf(pdf, {ReportSectionId::kChannels}, &error)) << error.toStdString();
    const std::optional<PrintJob> job = printer->makeJob({ReportSectionId::kChannels});
    ASSERT_TRUE(job);
    EXPECT_EQ(pdfPages(pdf), 1);
    const QString text = pdfText(pdf);
    EXPECT_TRUE(text.contains("Page 1 of 1")) << text.toStdString();
    EXPECT_TRUE(text.contains("/codeplugs/fleet.qav"));
    EXPECT_TRUE(text.contains("CH 16"));
    EXPECT_TRUE(text.contains("407.82500"));
    EXPECT_TRUE(text.contains("Personality"));
}

TEST_F(ReportPrinterTest, EveryPageOfTheWholeReport)
{
    const QString pdf = tmp.filePath("all.pdf");
    ASSERT_TRUE(printer->writePdf(pdf, *parseSectionList("")));
    const std::optional<PrintJob> job = printer->makeJob(*parseSectionList(""));
    const auto pages = static_cast<int>(paginateReport(job->rows, PageGeometry::forPaper(2100, 2970, false).rowsPerPage()).size());
    ASSERT_GT(pages, 2);
    EXPECT_EQ(pdfPages(pdf), pages);
    const QString text = pdfText(pdf);
    EXPECT_TRUE(text.contains(QString("Page %1 of %1").arg(pages)));
    EXPECT_TRUE(text.contains("Test Frequencies"));
}

// On paper too short for the channel table, its second page starts with
// the column headings again, and the footer counts the pages printed.
TEST_F(ReportPrinterTest, AChannelTableOnTwoPagesIsHeadedOnBoth)
{
    printer->printer().setPageLayout(QPageLayout(QPageSize(QPageSize::A5), QPageLayout::Landscape, QMarginsF()));
    const QString pdf = tmp.filePath("short.pdf");
    ASSERT_TRUE(printer->writePdf(pdf, {ReportSectionId::kChannels}));
    ASSERT_EQ(pdfPages(pdf), 2);
    const QStringList pages = pdfText(pdf).split('\f');
    ASSERT_GE(pages.size(), 2);
    for (int p = 0; p < 2; ++p) {
        EXPECT_TRUE(pages[p].contains("Personality")) << "page " << p + 1 << ":\n" << pages[p].toStdString();
        EXPECT_TRUE(pages[p].contains(QString("Page %1 of 2").arg(p + 1))) << pages[p].toStdString();
    }
    EXPECT_TRUE(pages[1].contains("CH 16"));
    EXPECT_FALSE(pages[1].contains("CH 1 "));
}

// The words of a PDF with their left and bottom edges in points.
struct PdfWord {
    QString text;
    double xMin = 0, yMax = 0;
};
std::vector<PdfWord> pdfWords(const QString& path)
{
    std::vector<PdfWord> words;
    const QRegularExpression word("<word xMin=\"([0-9.]+)\" yMin=\"[0-9.]+\" xMax=\"[0-9.]+\" yMax=\"([0-9.]+)\">([^<]*)</word>");
    const QString xml = tool("pdftotext", {"-bbox", path, "-"}).value_or(QString());
    for (auto it = word.globalMatch(xml); it.hasNext();) {
        const auto m = it.next();
        words.push_back({m.captured(3), m.captured(1).toDouble(), m.captured(2).toDouble()});
    }
    return words;
}

// The report keeps inside the margins chosen in Print Setup, on the paper
// chosen there: a printer cannot print to the paper's very edge.
TEST_F(ReportPrinterTest, ThePaperAndMarginsOfPrintSetupHoldTheReport)
{
    constexpr double kPointsPerMm = 72 / 25.4;
    for (double margin : {0.0, 20.0}) {
        printer->printer().setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                                                     QMarginsF(margin, margin, margin, margin), QPageLayout::Millimeter));
        const QString pdf = tmp.filePath(QString("letter%1.pdf").arg(margin));
        ASSERT_TRUE(printer->writePdf(pdf, *parseSectionList("")));
        const auto info = tool("pdfinfo", {pdf});
        ASSERT_TRUE(info);
        EXPECT_TRUE(info->contains("612 x 792 pts")) << info->toStdString();
        const std::optional<PrintJob> job = printer->makeJob(*parseSectionList(""));
        const int rowsPerPage = PageGeometry::forPaper(qRound(2159 - 20 * margin), qRound(2794 - 20 * margin), false).rowsPerPage();
        EXPECT_EQ(pdfPages(pdf), static_cast<int>(paginateReport(job->rows, rowsPerPage).size())) << margin;
        double left = 1e9, bottom = 0;
        for (const PdfWord& w : pdfWords(pdf)) {
            left = std::min(left, w.xMin);
            bottom = std::max(bottom, w.yMax);
        }
        // The side margin of the report itself (3 mm) lies inside the printer's.
        EXPECT_GE(left, (margin + 2.5) * kPointsPerMm) << margin;
        EXPECT_LT(left, (margin + 4) * kPointsPerMm) << margin;
        EXPECT_LE(bottom, 792 - margin * kPointsPerMm) << margin;
    }
}

TEST_F(ReportPrinterTest, APdfThatCannotBeWrittenLeavesNothing)
{
    QFile blocker(tmp.filePath("plain"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString target = tmp.filePath("plain/report.pdf");
    QString error;
    EXPECT_FALSE(printer->writePdf(target, {ReportSectionId::kRadio}, &error));
    EXPECT_TRUE(error.contains(target)) << error.toStdString();
    EXPECT_FALSE(QFile::exists(target));

    // An existing PDF is only replaced by a whole new one.
    const QString kept = tmp.filePath("kept.pdf");
    ASSERT_TRUE(printer->writePdf(kept, {ReportSectionId::kRadio}));
    EXPECT_EQ(pdfPages(kept), 1);
}

TEST_F(ReportPrinterTest, SingleSectionJobHasItsNameAndWiderMargins)
{
    const std::optional<PrintJob> job = printer->makeJob({}, ReportSectionId::kScan);
    ASSERT_TRUE(job);
    EXPECT_TRUE(job->singleSection);
    EXPECT_EQ(job->sectionName, "Scan");
    EXPECT_EQ(job->rows[0].texts[1], "Scan");
    const std::optional<PrintJob> menu = printer->makeJob({ReportSectionId::kScan});
    EXPECT_FALSE(menu->singleSection);
    EXPECT_TRUE(menu->sectionName.isEmpty());
}

TEST_F(ReportPrinterTest, CancelledDialogsPrintNothing)
{
    // Print Tree cancelled: no print dialog, no paper, the choice kept.
    printer->setSelection({ReportSectionId::kKeys});
    printer->setTreeRunner([](CDlgPrintTree&) { return std::optional<std::vector<int>>(); });
    printer->print();
    printer->exportPdf();
    EXPECT_TRUE(printedPages.empty());
    EXPECT_EQ(printer->selection(), std::vector<int>{ReportSectionId::kKeys});

    // The print dialog cancelled.
    printer->setTreeRunner([](CDlgPrintTree&) { return std::optional<std::vector<int>>(std::vector<int>{ReportSectionId::kRadio}); });
    rejectNextDialog();
    printer->print();
    rejectNextDialog();
    printer->printSection(ReportSectionId::kChannels);
    EXPECT_TRUE(printedPages.empty());
    EXPECT_EQ(printer->selection(), std::vector<int>{});
    // The print dialog offered the codeplug's name for a file.
    EXPECT_EQ(printer->printer().docName(), "fleet");
    // The preview then shows the whole report rather than a blank page.
    EXPECT_EQ(printer->previewSections(), *parseSectionList(""));
}

TEST_F(ReportPrinterTest, PreviewMarksTheWindowWhileItRuns)
{
    rejectNextDialog();
    printer->preview();
    EXPECT_EQ(previewStates, (std::vector<bool>{true, false}));
}

TEST_F(ReportPrinterTest, PreviewTakesMostOfTheWindowItIsOpenedFrom)
{
    QWidget window;
    window.resize(1000, 800);
    CReportPrinter fromWindow(texts, {}, &window);
    QSize shown;
    QTimer::singleShot(50, [&shown] {
        if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            shown = d->size();
            d->reject();
        }
    });
    fromWindow.preview();
    EXPECT_GE(shown.width(), 850);
    EXPECT_GE(shown.height(), 680);
}

// The desktop program without a window: `qav-cps --print-pdf`.
class PrintPdfProgram : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(home.isValid());
        for (const char* f : {"QAV_E.lng", "QAV_S.lng", "Model.dat", "Settings.ini"})
            ASSERT_TRUE(QFile::copy(QString(QAV_DATA_DIR "/") + f, home.filePath(f))) << f;
        ASSERT_TRUE(tool(QAV_BIN_DIR "/qav", {"--home", home.path(), "new", "--factory", "-o", codeplug()}));
    }
    QString codeplug() const { return home.filePath("f.qav"); }
    int run(const QStringList& args, QString* err = nullptr) const
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("QT_QPA_PLATFORM");  // the program chooses offscreen itself
        env.remove("DISPLAY");
        p.setProcessEnvironment(env);
        p.start(QAV_BIN_DIR "/qav-cps", QStringList{"--home", home.path()} + args);
        if (!p.waitForFinished(60000)) return -1;
        if (err) *err = QString::fromUtf8(p.readAllStandardError());
        return p.exitCode();
    }

    QTemporaryDir home;
};

TEST_F(PrintPdfProgram, WritesTheReportWithoutADisplay)
{
    const QString pdf = home.filePath("out.pdf");
    QString err;
    ASSERT_EQ(run({"--print-pdf", codeplug(), pdf, "--sections", "channels"}, &err), 0) << err.toStdString();
    EXPECT_EQ(pdfPages(pdf), 1);
    const QString text = pdfText(pdf);
    EXPECT_TRUE(text.contains("CH 1 "));
    EXPECT_TRUE(text.contains("400.32500"));
    EXPECT_FALSE(text.contains("Radio Information"));
    // The recent-file list of Settings.ini is not touched by a script.
    QFile settings(home.filePath("Settings.ini"));
    ASSERT_TRUE(settings.open(QIODevice::ReadOnly));
    EXPECT_FALSE(settings.readAll().contains("f.qav"));

    // The same values as `qav report`.
    const auto report = tool(QAV_BIN_DIR "/qav", {"--home", home.path(), "report", codeplug(), "--sections", "channels"});
    ASSERT_TRUE(report);
    EXPECT_TRUE(report->contains("CH 1     25 kHz   High   400.32500"));
}

TEST_F(PrintPdfProgram, BadInput)
{
    QString err;
    EXPECT_EQ(run({"--print-pdf", codeplug(), home.filePath("x.pdf"), "--sections", "nope"}, &err), 2);
    EXPECT_TRUE(err.contains("3655 channels")) << err.toStdString();
    EXPECT_EQ(run({"--print-pdf", home.filePath("missing.qav"), home.filePath("x.pdf")}, &err), 1);
    EXPECT_EQ(run({"--print-pdf", codeplug(), home.filePath("f.qav/x.pdf")}, &err), 1);
    EXPECT_FALSE(err.isEmpty());
    EXPECT_EQ(run({"--print-pdf", codeplug()}), 2);
    const qint64 size = QFileInfo(codeplug()).size();
    EXPECT_EQ(run({"--print-pdf", codeplug(), codeplug()}), 1);
    EXPECT_EQ(QFileInfo(codeplug()).size(), size);
    EXPECT_FALSE(QFile::exists(home.filePath("x.pdf")));
}

}  // namespace
