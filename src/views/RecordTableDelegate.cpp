#include "views/RecordTableDelegate.h"

#include "controls/BcdDigitEdit.h"
#include "controls/CharFilterEdit.h"
#include "controls/LanguageSource.h"
#include "views/RecordTableModel.h"

#include <QComboBox>

RecordTableDelegate::RecordTableDelegate(const LanguageSource& language, QObject* parent)
    : QStyledItemDelegate(parent), language_(language)
{
}

namespace {
const TableColumn* columnOf(const QModelIndex& index)
{
    auto* model = qobject_cast<const RecordTableModel*>(index.model());
    return model && index.column() < model->columnCount() ? &model->column(index.column()) : nullptr;
}
}  // namespace

QWidget* RecordTableDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                           const QModelIndex& index) const
{
    const TableColumn* c = columnOf(index);
    if (!c) return QStyledItemDelegate::createEditor(parent, option, index);
    switch (c->cell) {
    case CellKind::Inert: return nullptr;
    case CellKind::Option: {
        auto* combo = new QComboBox(parent);
        for (const ListItem& item : language_.comboItems(c->listId))
            combo->addItem(QString::fromStdString(item.text), item.value);
        return combo;
    }
    case CellKind::Freq: {
        auto* edit = new CCharFilterEdit(QStringLiteral("0123456789."), parent);
        edit->setMaxLength(9);
        return edit;
    }
    case CellKind::Digits: return new CBcdDigitEdit(parent);
    case CellKind::Text: return QStyledItemDelegate::createEditor(parent, option, index);
    }
    return nullptr;
}

void RecordTableDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        combo->setCurrentIndex(combo->findData(index.data(Qt::EditRole)));
        return;
    }
    QStyledItemDelegate::setEditorData(editor, index);
}

void RecordTableDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        if (combo->currentIndex() >= 0) model->setData(index, combo->currentData().toInt(), Qt::EditRole);
        return;
    }
    QStyledItemDelegate::setModelData(editor, model, index);
}
