#pragma once
// Edits the cells of a record table in place, with the editor their
// column's cell kind asks for: a drop-down of the column's items (they
// carry their values), an editable tone box, a frequency edit taking digits
// and a decimal point, a digit edit, a plain text edit. Cells that cannot
// be edited never open an editor (the model does not let them).
//
// The in-place editors keep the grid's keys: Tab and Enter finish the edit,
// Escape leaves the cell as it was, and an edit started by typing ends on
// an arrow or Page key (which then moves on), while one started with the
// mouse keeps those keys for the caret unless Ctrl is held. A text edit
// widens while typing, up to the grid's right edge.
#include <QStyledItemDelegate>

class LanguageSource;

class RecordTableDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit RecordTableDelegate(const LanguageSource& language, QObject* parent = nullptr);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

    // The property a grid sets on an editor it opened with the mouse.
    static constexpr const char* kStartedByMouse = "startedByMouse";

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    const LanguageSource& language_;
};
