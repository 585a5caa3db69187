#pragma once
// The program's one report printer: it holds the printer and its page
// setup, remembers which sections the Print Tree dialog chose, and runs
// Print, Print Preview, Print Setup and the PDF export. What it prints
// comes from the section store through the core's row builders; what it
// needs of the rest of the program comes through the hooks.
#include "app/ReportSource.h"
#include "print/CDlgPrintTree.h"
#include "print/ReportPainter.h"

#include <QObject>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class LanguageSource;
class QPrinter;
class QWidget;

class CReportPrinter : public QObject {
    Q_OBJECT
public:
    struct Hooks {
        std::function<std::optional<ReportSource>()> source;  // the codeplug and language to print
        std::function<QString()> title;                       // file path, else the program's caption
        std::function<std::vector<PrintTreeEntry>()> treeEntries;
        std::function<void(bool)> previewActive;              // the main window closes without asking meanwhile
        std::function<void(int)> help;                        // help on a context id
    };

    CReportPrinter(const LanguageSource& texts, Hooks hooks, QWidget* window);
    ~CReportPrinter() override;

    // Print from the menu or toolbar: Print Tree, then the print dialog.
    void print();
    // Print one section from its editor's bar: the print dialog without
    // page numbers, then that section with the wider margins.
    void printSection(int sectionId);
    // Print preview of the sections chosen last (all until Print Tree ran,
    // and all when a single-section print has cleared the choice).
    void preview();
    // The printer's page setup.
    void pageSetup();
    // File > Export PDF: Print Tree, then where to save it.
    void exportPdf();

    // Writes the report of `sectionIds` as a PDF file in the printer's page
    // layout. The file is replaced only when the whole document was
    // written; false with the reason otherwise.
    bool writePdf(const QString& path, const std::vector<int>& sectionIds, QString* error = nullptr);

    // The job for the given sections: menu printing when `single` is 0,
    // else the one section with that id.
    std::optional<PrintJob> makeJob(const std::vector<int>& sectionIds, int single = 0) const;

    const std::vector<int>& selection() const { return m_selection; }
    std::vector<int> previewSections() const;
    void setSelection(std::vector<int> ids) { m_selection = std::move(ids); }
    QPrinter& printer() const { return *m_printer; }

    // Runs the Print Tree dialog; the chosen sections, or nullopt when it
    // was cancelled. Tests replace how it is run.
    using TreeRunner = std::function<std::optional<std::vector<int>>(CDlgPrintTree&)>;
    void setTreeRunner(TreeRunner runner) { m_runTree = std::move(runner); }
    std::optional<std::vector<int>> runPrintTree();

signals:
    // A job went to the printer (tests watch this instead of paper).
    void printed(int pages);

private:
    bool runPrintDialog(const PrintJob& job, bool pageNumbers);
    void sendToPrinter(const PrintJob& job);
    void showError(const QString& text);

    const LanguageSource& m_texts;
    Hooks m_hooks;
    QWidget* m_window;
    std::unique_ptr<QPrinter> m_printer;
    std::vector<int> m_selection;
    TreeRunner m_runTree;
};
