#include "print/CDlgPrintTree.h"

#include "controls/ControlId.h"
#include "controls/DialogButtons.h"
#include "controls/LanguageApply.h"
#include "controls/LanguageSource.h"

#include <QHBoxLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

namespace {

void forEachItem(QTreeWidgetItem* item, const std::function<void(QTreeWidgetItem*)>& fn)
{
    for (int i = 0; i < item->childCount(); ++i) forEachItem(item->child(i), fn);
    fn(item);
}

}  // namespace

CDlgPrintTree::CDlgPrintTree(const LanguageSource& texts, const std::vector<PrintTreeEntry>& entries, Selector select,
                             QWidget* parent)
    : QDialog(parent), m_texts(texts), m_tree(new QTreeWidget(this)), m_select(std::move(select))
{
    setObjectName("dlgPrintTree");
    setWindowTitle(QStringLiteral("Print Tree"));
    setControlId(this, kTemplate);
    setControlId(m_tree, kTree);
    m_tree->setHeaderHidden(true);
    m_tree->setMinimumSize(260, 300);

    std::vector<QTreeWidgetItem*> last;  // the last item of each depth
    for (const PrintTreeEntry& e : entries) {
        const auto depth = static_cast<std::size_t>(std::max(0, e.depth));
        QTreeWidgetItem* item = depth == 0 || last.size() < depth ? new QTreeWidgetItem(m_tree)
                                                                  : new QTreeWidgetItem(last[depth - 1]);
        item->setText(0, e.text);
        item->setData(0, Qt::UserRole, e.treeId);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(0, Qt::Unchecked);
        last.resize(depth + 1);
        last[depth] = item;
    }
    // A group's box checks its entries (a group such as "Radio Settings"
    // names no section of its own) and shows whether some of them are.
    for (QTreeWidgetItemIterator it(m_tree); *it; ++it)
        if ((*it)->childCount() > 0) (*it)->setFlags((*it)->flags() | Qt::ItemIsAutoTristate);
    m_tree->expandAll();

    auto button = [this](int id, const char* builtIn) {
        auto* b = new QPushButton(QString::fromUtf8(builtIn), this);
        setControlId(b, id);
        b->setAutoDefault(false);
        return b;
    };
    QPushButton* selectAll = button(kSelectAll, "&Select All");
    QPushButton* clearAll = button(kClearAll, "&Clear All");
    QPushButton* setup = button(kPrintSetup, "P&rint Setup...");
    connect(selectAll, &QPushButton::clicked, this, [this] { setAllChecked(true); });
    connect(clearAll, &QPushButton::clicked, this, [this] { setAllChecked(false); });
    connect(setup, &QPushButton::clicked, this, &CDlgPrintTree::printSetupRequested);

    auto* side = new QVBoxLayout;
    side->addWidget(selectAll);
    side->addWidget(clearAll);
    side->addWidget(setup);
    side->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(m_tree, 1);
    top->addLayout(side);
    auto* column = new QVBoxLayout(this);
    column->addLayout(top);
    column->addWidget(makeDialogButtons(this, QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help,
                                        [this] { emit helpRequested(kTemplate); }));
    applyLanguage(this, kTemplate, texts);

    m_warn = [this](const QString& caption, const QString& text) {
        QMessageBox::information(this, caption, text);
    };
}

void CDlgPrintTree::setAllChecked(bool checked)
{
    for (int i = 0; i < m_tree->topLevelItemCount(); ++i)
        forEachItem(m_tree->topLevelItem(i),
                    [checked](QTreeWidgetItem* item) { item->setCheckState(0, checked ? Qt::Checked : Qt::Unchecked); });
}

std::vector<std::string> CDlgPrintTree::checkedTexts() const
{
    std::vector<std::string> texts;
    for (int i = 0; i < m_tree->topLevelItemCount(); ++i)
        forEachItem(m_tree->topLevelItem(i), [&texts](QTreeWidgetItem* item) {
            if (item->checkState(0) == Qt::Checked) texts.push_back(item->text(0).toStdString());
        });
    return texts;
}

void CDlgPrintTree::accept()
{
    m_selected = m_select ? m_select(checkedTexts()) : std::vector<int>{};
    if (!m_selected.empty()) {
        QDialog::accept();
        return;
    }
    const PrintTreeWarnings::Step step = m_warnings.next();
    if (m_warn)
        m_warn(QString::fromStdString(m_texts.message(PrintTreeWarnings::kCaption)),
               QString::fromStdString(m_texts.message(step.message)));
    if (step.cancel) reject();
}
