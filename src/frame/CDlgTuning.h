#pragma once
// The tuning list (dialog 7002): the tuning items of the language file.
// Opening one (double click or Enter) reads its first register from the
// radio and opens the tune sub-item dialog with the value; what the
// sub-item dialog ran into is said when it has closed.
#include "app/TuningItems.h"
#include "frame/TuningContext.h"

#include <QDialog>

class QListWidget;

class CDlgTuning : public QDialog {
    Q_OBJECT
public:
    static constexpr int kTemplate = 7002;
    static constexpr int kList = 7053;

    CDlgTuning(const TuningContext& context, QWidget* parent = nullptr);

    QListWidget* list() const { return m_list; }
    // Opens the item in list row `row`, as a double click does.
    void openRow(int row);

signals:
    // A message the dialog shows (tests read it from here).
    void messageShown(int messageId);
    // The sub-item dialog is about to run (tests drive it from here).
    void subItemOpened(QDialog* dialog);

private:
    void openItem(const TuningItem& item, std::uint16_t firstRegister, std::uint16_t value);
    void say(int messageId);

    TuningContext m_context;
    std::vector<TuningItem> m_items;
    QListWidget* m_list;
};
