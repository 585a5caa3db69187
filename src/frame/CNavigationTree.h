#pragma once
// The navigation tree of the codeplug's sections: the model name at the
// root, one entry per editor, one numbered entry per record of the channel,
// personality and scan lists. Double-click or Enter asks the frame to open
// the entry's editor.
#include <QTreeWidget>

class IFrameHost;

class CNavigationTree : public QTreeWidget {
    Q_OBJECT
public:
    explicit CNavigationTree(QWidget* parent = nullptr);

    // Rebuilds every item from the tree definition, leaves out the entries
    // that the access level hides and numbers the list entries.
    void rebuild(const IFrameHost& host);
    // Brings the numbered entries to the record counts of their lists.
    void syncNumberedItems(const IFrameHost& host);
    void setRootText(const QString& text);

    QTreeWidgetItem* rootItem() const;
    QTreeWidgetItem* findFirst(int treeId) const;
    QList<QTreeWidgetItem*> itemsWithId(int treeId) const;
    // The n-th (1-based) numbered item of an id; nullptr when absent.
    QTreeWidgetItem* numberedItem(int treeId, int n) const;

    // Gives `item` the highlighted picture and restores the previous one.
    void highlight(QTreeWidgetItem* item);
    QTreeWidgetItem* highlighted() const { return m_highlighted; }

    static int itemId(const QTreeWidgetItem* item);
    // The record number at the end of an item's text; 0 when there is none.
    static int trailingNumber(const QString& text);

signals:
    void openRequested(int treeId, const QString& text, QTreeWidgetItem* item);
    void helpRequested(int contextId);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void onItemDoubleClicked(QTreeWidgetItem* item, int column);
    void onCurrentChanged(QTreeWidgetItem* current);
    void applyIcon(QTreeWidgetItem* item, bool on);

    QTreeWidgetItem* m_highlighted = nullptr;
    QIcon m_icons[2];
};
