#pragma once
// The Print Tree dialog: the navigation tree's entries with check boxes,
// all unchecked at first; Select All, Clear All and Print Setup beside
// them. OK selects the report sections the checked entries name; with none
// it warns and stays open, and the fourth time gives up as cancelled.
#include "app/PrintSelection.h"

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

class LanguageSource;
class QTreeWidget;
class QTreeWidgetItem;

struct PrintTreeEntry {
    QString text;
    int depth = 0;  // 0: under the root; n: under the last entry of depth n - 1
    int treeId = 0;
};

class CDlgPrintTree : public QDialog {
    Q_OBJECT
public:
    static constexpr int kTemplate = 7210;
    static constexpr int kTree = 7211;
    static constexpr int kPrintSetup = 7212;
    static constexpr int kSelectAll = 7213;
    static constexpr int kClearAll = 7214;

    // Turns the checked entries' texts (children before their parent) into
    // report section ids.
    using Selector = std::function<std::vector<int>(const std::vector<std::string>&)>;
    // Shows a warning: caption, text.
    using Warn = std::function<void(const QString&, const QString&)>;

    CDlgPrintTree(const LanguageSource& texts, const std::vector<PrintTreeEntry>& entries, Selector select,
                  QWidget* parent = nullptr);

    void setWarn(Warn warn) { m_warn = std::move(warn); }
    // What the sections chosen on OK were.
    const std::vector<int>& selectedSections() const { return m_selected; }
    // The checked entries' texts, children before their parent.
    std::vector<std::string> checkedTexts() const;
    QTreeWidget* tree() const { return m_tree; }
    void setAllChecked(bool checked);

    void accept() override;

signals:
    void printSetupRequested();
    void helpRequested(int contextId);

private:
    const LanguageSource& m_texts;
    QTreeWidget* m_tree;
    Selector m_select;
    Warn m_warn;
    PrintTreeWarnings m_warnings;
    std::vector<int> m_selected;
};
