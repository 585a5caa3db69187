#include "frame/CLogBar.h"

#include "frame/FrameIds.h"
#include "frame/LangText.h"

#include <QEvent>
#include <QHeaderView>

#include <algorithm>
#include <QTreeWidget>

namespace {
constexpr int kKeyRole = Qt::UserRole;
constexpr int kControlRole = Qt::UserRole + 1;
}  // namespace

CLogBar::CLogBar(const QString& objectName, int titleId, const QString& builtInTitle,
                 std::initializer_list<LogColumn> columns, QWidget* parent)
    : QDockWidget(parent), m_titleId(titleId), m_builtInTitle(builtInTitle), m_columns(columns)
{
    setObjectName(objectName);
    setWindowTitle(builtInTitle);
    setProperty("controlId", 910);
    m_list = new QTreeWidget;
    m_list->setObjectName("ctl911");
    m_list->setProperty("controlId", 911);
    m_list->setRootIsDecorated(false);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setAllColumnsShowFocus(true);
    m_list->setColumnCount(static_cast<int>(m_columns.size()));
    QStringList headers;
    for (const LogColumn& c : m_columns) headers << QString::fromUtf8(c.builtIn);
    m_list->setHeaderLabels(headers);
    for (int i = 0; i < static_cast<int>(m_columns.size()); ++i) m_list->setColumnWidth(i, m_columns[i].width);
    m_list->header()->setStretchLastSection(true);
    m_list->viewport()->installEventFilter(this);
    setWidget(m_list);
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item, int) {
        emit lineActivated(item->data(0, kKeyRole).toInt(), item->data(0, kControlRole).toInt());
    });
}

void CLogBar::applyTexts(const IFrameHost& host)
{
    // Each bar is named by its own command ("Log View", "Invalid View"), so
    // the two can be told apart when both are shown or tabbed together.
    const QString title = LangText::plainText(LangText::caption(host, m_titleId));
    setWindowTitle(!title.isEmpty() ? title : LangText::caption(host, FrameText::kLogBarCaption, m_builtInTitle));
    QTreeWidgetItem* header = m_list->headerItem();
    for (int i = 0; i < static_cast<int>(m_columns.size()); ++i)
        header->setText(i, LangText::caption(host, m_columns[i].captionId, QString::fromUtf8(m_columns[i].builtIn)));
}

void CLogBar::fitColumns()
{
    int wanted = 0;
    for (const LogColumn& c : m_columns) wanted += c.width;
    const int room = m_list->viewport()->width();
    if (wanted <= 0 || room <= 0) return;
    const double scale = std::min(1.0, double(room) / wanted);
    // The last column stretches to the edge; the others keep their share.
    for (int i = 0; i + 1 < static_cast<int>(m_columns.size()); ++i)
        m_list->setColumnWidth(i, std::max(40, int(m_columns[i].width * scale)));
}

bool CLogBar::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_list->viewport() && event->type() == QEvent::Resize) fitColumns();
    return QDockWidget::eventFilter(watched, event);
}

bool CLogBar::add(const Entry& entry, const IFrameHost& host)
{
    if (entry.controlId != 0 && host.modelFlag(entry.controlId) != 0) return false;
    for (int i = 0; i < m_list->topLevelItemCount(); ++i)
        if (m_list->topLevelItem(i)->data(0, kKeyRole).toInt() == entry.key) return false;
    auto* item = new QTreeWidgetItem(m_list, QStringList{entry.label, entry.problem});
    item->setData(0, kKeyRole, entry.key);
    item->setData(0, kControlRole, entry.controlId);
    m_list->scrollToItem(item);
    return true;
}

void CLogBar::appendLine(const QStringList& columns)
{
    while (m_list->topLevelItemCount() >= kMaxLines) delete m_list->takeTopLevelItem(0);
    auto* item = new QTreeWidgetItem(m_list, columns);
    m_list->scrollToItem(item);
}

void CLogBar::remove(int key)
{
    for (int i = 0; i < m_list->topLevelItemCount(); ++i)
        if (m_list->topLevelItem(i)->data(0, kKeyRole).toInt() == key) {
            delete m_list->takeTopLevelItem(i);
            return;
        }
}

void CLogBar::clear() { m_list->clear(); }

bool CLogBar::hasEntries() const { return m_list->topLevelItemCount() > 0; }

int CLogBar::lineCount() const { return m_list->topLevelItemCount(); }

QStringList CLogBar::line(int index) const
{
    QStringList out;
    if (QTreeWidgetItem* item = m_list->topLevelItem(index))
        for (int c = 0; c < m_list->columnCount(); ++c) out << item->text(c);
    return out;
}
