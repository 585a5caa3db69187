#pragma once
// Edits the cells of a record table in place, with the editor their
// column's cell kind asks for: a drop-down of the option list (its items
// carry their values), a frequency edit taking digits and a decimal point,
// a digit edit, a plain text edit. Inert cells never open an editor (the
// model does not let them).
#include <QStyledItemDelegate>

class LanguageSource;

class RecordTableDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit RecordTableDelegate(const LanguageSource& language, QObject* parent = nullptr);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

private:
    const LanguageSource& language_;
};
