#include "frame/CNavigationTree.h"

#include "frame/FrameHost.h"
#include "frame/FrameIds.h"
#include "settings/AccessLevel.h"
#include "frame/LangText.h"
#include "frame/NavigationTable.h"

#include <QKeyEvent>
#include <QPainter>

namespace {

constexpr int kIdRole = Qt::UserRole;

// The two item pictures: a plain page, and the same page marked as the
// entry last chosen.
QIcon makeIcon(bool highlighted)
{
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QColor(90, 90, 90));
    p.setBrush(highlighted ? QColor(40, 110, 220) : QColor(245, 245, 245));
    p.drawRoundedRect(QRectF(2.5, 1.5, 11, 13), 2, 2);
    p.setPen(highlighted ? Qt::white : QColor(150, 150, 150));
    for (int y = 5; y <= 11; y += 3) p.drawLine(5, y, 11, y);
    return QIcon(pm);
}

}  // namespace

CNavigationTree::CNavigationTree(QWidget* parent) : QTreeWidget(parent)
{
    setObjectName("navigationTree");
    setProperty("controlId", 1017);
    setHeaderHidden(true);
    setColumnCount(1);
    setRootIsDecorated(true);
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Sunken);
    setExpandsOnDoubleClick(false);
    m_icons[0] = makeIcon(false);
    m_icons[1] = makeIcon(true);
    connect(this, &QTreeWidget::itemDoubleClicked, this, &CNavigationTree::onItemDoubleClicked);
    connect(this, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current, QTreeWidgetItem*) { onCurrentChanged(current); });
}

int CNavigationTree::itemId(const QTreeWidgetItem* item)
{
    return item ? item->data(0, kIdRole).toInt() : 0;
}

int CNavigationTree::trailingNumber(const QString& text)
{
    int i = text.size();
    while (i > 0 && text[i - 1].isDigit() && text[i - 1].unicode() < 128) --i;
    if (i == text.size()) return 0;
    bool ok = false;
    const int n = text.mid(i).toInt(&ok);
    return ok ? n : 0;
}

QTreeWidgetItem* CNavigationTree::rootItem() const
{
    return topLevelItemCount() > 0 ? topLevelItem(0) : nullptr;
}

void CNavigationTree::rebuild(const IFrameHost& host)
{
    m_highlighted = nullptr;
    clear();
    auto* root = new QTreeWidgetItem(this);
    root->setText(0, QString::fromStdString(host.modelName()));
    root->setData(0, kIdRole, 0);
    applyIcon(root, false);

    // The last item inserted at each depth, so that deeper rows attach to it.
    std::vector<QTreeWidgetItem*> lastAtDepth{root};
    for (const TreeRow& row : NavigationTable::tree()) {
        if (row.treeId == 0) continue;
        if (row.treeId == TreeId::kDataWatch && host.accessCode() != AccessCode::kFull) continue;
        const QString text = LangText::caption(host, row.treeId);
        if (text.isEmpty()) continue;
        QTreeWidgetItem* parent = root;
        if (row.depth > 0 && row.depth < static_cast<int>(lastAtDepth.size()))
            parent = lastAtDepth[row.depth];
        auto* item = new QTreeWidgetItem(parent);
        item->setText(0, text);
        item->setData(0, kIdRole, row.treeId);
        applyIcon(item, false);
        lastAtDepth.resize(row.depth + 1);
        lastAtDepth.push_back(item);
    }
    root->setExpanded(true);
    for (int i = 0; i < root->childCount(); ++i)
        if (root->child(i)->childCount() > 0) root->child(i)->setExpanded(true);
    syncNumberedItems(host);
}

void CNavigationTree::syncNumberedItems(const IFrameHost& host)
{
    for (int id : NavigationTable::numberedIds()) {
        QTreeWidgetItem* first = findFirst(id);
        if (!first) continue;
        const int count = host.listCount(id);
        if (count < 0) continue;
        // An empty list keeps its first entry: opening it makes a record,
        // whereas a vanished entry could never be reached again.
        const int wanted = std::max(count, 1);
        QTreeWidgetItem* parent = first->parent();
        QString base = first->text(0);
        while (!base.isEmpty() && base.back().isDigit() && base.back().unicode() < 128) base.chop(1);
        QList<QTreeWidgetItem*> items = itemsWithId(id);
        if (trailingNumber(first->text(0)) != 1) first->setText(0, base + "1");
        for (int n = static_cast<int>(items.size()) + 1; n <= wanted; ++n) {
            auto* item = new QTreeWidgetItem;
            item->setText(0, base + QString::number(n));
            item->setData(0, kIdRole, id);
            applyIcon(item, false);
            parent->insertChild(parent->indexOfChild(items.back()) + 1, item);
            items.push_back(item);
        }
        while (items.size() > wanted) {
            QTreeWidgetItem* last = items.takeLast();
            if (last == m_highlighted) m_highlighted = nullptr;
            delete last;
        }
    }
}

void CNavigationTree::setRootText(const QString& text)
{
    if (QTreeWidgetItem* root = rootItem()) root->setText(0, text);
}

QTreeWidgetItem* CNavigationTree::findFirst(int treeId) const
{
    const QList<QTreeWidgetItem*> all = itemsWithId(treeId);
    return all.isEmpty() ? nullptr : all.front();
}

QList<QTreeWidgetItem*> CNavigationTree::itemsWithId(int treeId) const
{
    QList<QTreeWidgetItem*> out;
    for (QTreeWidgetItemIterator it(const_cast<CNavigationTree*>(this)); *it; ++it)
        if (itemId(*it) == treeId) out.push_back(*it);
    return out;
}

QTreeWidgetItem* CNavigationTree::numberedItem(int treeId, int n) const
{
    for (QTreeWidgetItem* item : itemsWithId(treeId))
        if (trailingNumber(item->text(0)) == n) return item;
    return nullptr;
}

void CNavigationTree::applyIcon(QTreeWidgetItem* item, bool on)
{
    item->setIcon(0, m_icons[on ? 1 : 0]);
}

void CNavigationTree::highlight(QTreeWidgetItem* item)
{
    if (m_highlighted == item) return;
    if (m_highlighted) applyIcon(m_highlighted, false);
    m_highlighted = item;
    if (item) {
        applyIcon(item, true);
        if (currentItem() != item) setCurrentItem(item);
    }
}

void CNavigationTree::onCurrentChanged(QTreeWidgetItem* current)
{
    if (current) highlight(current);
}

void CNavigationTree::onItemDoubleClicked(QTreeWidgetItem* item, int)
{
    if (!item) return;
    emit openRequested(itemId(item), item->text(0), item);
}

void CNavigationTree::keyPressEvent(QKeyEvent* event)
{
    QTreeWidgetItem* item = currentItem();
    if (item && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        if (item->childCount() > 0) item->setExpanded(!item->isExpanded());
        emit openRequested(itemId(item), item->text(0), item);
        return;
    }
    if (event->key() == Qt::Key_F1) {
        emit helpRequested(item ? itemId(item) : 1017);
        return;
    }
    QTreeWidget::keyPressEvent(event);
}
