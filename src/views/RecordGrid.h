#pragma once
// The table widget of the program's grids: whole rows are selected (Shift
// and Ctrl extend the selection, as do Shift and the arrow keys), a typed
// character opens the cell's editor with that character in place of the
// old text, and an editor opened with the mouse starts with the caret at
// the end of the text.
#include <QTableView>

class RecordGrid : public QTableView {
    Q_OBJECT
public:
    explicit RecordGrid(QWidget* parent = nullptr);

    // The selected rows, in ascending order.
    QList<int> selectedRows() const;

signals:
    // The platform's copy and paste keys, and Delete, while no cell is edited.
    void copyRequested();
    void pasteRequested();
    void deleteRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
};
