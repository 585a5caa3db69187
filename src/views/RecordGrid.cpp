#include "views/RecordGrid.h"

#include "views/RecordTableDelegate.h"

#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>

RecordGrid::RecordGrid(QWidget* parent) : QTableView(parent)
{
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked
                    | QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setAlternatingRowColors(false);
}

QList<int> RecordGrid::selectedRows() const
{
    QList<int> rows;
    if (!selectionModel()) return rows;
    for (const QModelIndex& i : selectionModel()->selectedRows()) rows.append(i.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

void RecordGrid::keyPressEvent(QKeyEvent* event)
{
    if (state() != EditingState) {
        if (event->matches(QKeySequence::Copy)) {
            emit copyRequested();
            return;
        }
        if (event->matches(QKeySequence::Paste)) {
            emit pasteRequested();
            return;
        }
        if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::NoModifier) {
            emit deleteRequested();
            return;
        }
    }
    QTableView::keyPressEvent(event);
}

bool RecordGrid::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event)
{
    if (!QTableView::edit(index, trigger, event)) return false;
    QWidget* editor = indexWidget(index);
    if (!editor) return true;
    const bool byMouse = trigger == DoubleClicked || trigger == SelectedClicked;
    editor->setProperty(RecordTableDelegate::kStartedByMouse, byMouse);
    if (byMouse || trigger == EditKeyPressed) {
        // Started by the mouse or the edit key: the caret goes to the end.
        QLineEdit* line = qobject_cast<QLineEdit*>(editor);
        if (auto* combo = qobject_cast<QComboBox*>(editor)) line = combo->lineEdit();
        if (line) {
            line->deselect();
            line->end(false);
        }
    }
    return true;
}
