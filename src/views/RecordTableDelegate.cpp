#include "views/RecordTableDelegate.h"

#include "controls/BcdDigitEdit.h"
#include "controls/CharFilterEdit.h"
#include "controls/LanguageSource.h"
#include "controls/ToneCombo.h"
#include "views/RecordTableModel.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLocale>

RecordTableDelegate::RecordTableDelegate(const LanguageSource& language, QObject* parent)
    : QStyledItemDelegate(parent), language_(language)
{
}

namespace {

const RecordTableModel* modelOf(const QModelIndex& index)
{
    return qobject_cast<const RecordTableModel*>(index.model());
}

const TableColumn* columnOf(const QModelIndex& index)
{
    const RecordTableModel* model = modelOf(index);
    return model && index.column() < model->columnCount() ? &model->column(index.column()) : nullptr;
}

// The edit grows to show its text and two spaces, never past the grid's right edge.
void widenWhileTyping(QLineEdit* edit)
{
    QObject::connect(edit, &QLineEdit::textChanged, edit, [edit](const QString& text) {
        QWidget* viewport = edit->parentWidget();
        if (!viewport) return;
        const int wanted = edit->fontMetrics().horizontalAdvance(text + QStringLiteral("  ")) + 8;
        const int room = viewport->width() - edit->x();
        if (wanted > edit->width()) edit->resize(std::min(wanted, room), edit->height());
    });
}

bool isChoice(CellKind kind)
{
    return kind == CellKind::Option || kind == CellKind::Choice || kind == CellKind::ToneType;
}

}  // namespace

QWidget* RecordTableDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                           const QModelIndex& index) const
{
    const TableColumn* c = columnOf(index);
    if (!c) return QStyledItemDelegate::createEditor(parent, option, index);
    QWidget* editor = nullptr;
    if (isChoice(c->cell)) {
        auto* combo = new QComboBox(parent);
        for (const ListItem& item : modelOf(index)->optionItems(index.column()))
            combo->addItem(QString::fromStdString(item.text), item.value);
        combo->setMaxVisibleItems(8);
        editor = combo;
    } else {
        switch (c->cell) {
        case CellKind::Inert: return nullptr;
        case CellKind::Ctcss:
        case CellKind::Cdcss: {
            auto* combo = new QComboBox(parent);
            if (c->cell == CellKind::Ctcss) makeCtcssCombo(combo);
            else makeCdcssCombo(combo);
            combo->setMaxVisibleItems(8);
            if (combo->lineEdit()) widenWhileTyping(combo->lineEdit());
            editor = combo;
            break;
        }
        case CellKind::Freq:
        case CellKind::GridFreq: {
            auto* edit = new CCharFilterEdit(QStringLiteral("0123456789.") + QLocale().decimalPoint(), parent);
            edit->setMaxLength(9);
            widenWhileTyping(edit);
            editor = edit;
            break;
        }
        case CellKind::Digits: editor = new CBcdDigitEdit(parent); break;
        default: {
            editor = QStyledItemDelegate::createEditor(parent, option, index);
            if (auto* edit = qobject_cast<QLineEdit*>(editor)) widenWhileTyping(edit);
            break;
        }
        }
    }
    return editor;
}

void RecordTableDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        if (combo->isEditable()) combo->setEditText(index.data(Qt::DisplayRole).toString());
        else combo->setCurrentIndex(combo->findData(index.data(Qt::EditRole)));
        return;
    }
    QStyledItemDelegate::setEditorData(editor, index);
}

void RecordTableDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        if (combo->isEditable()) {
            // An unchanged tone is not written again.
            if (combo->currentText() != index.data(Qt::DisplayRole).toString())
                model->setData(index, combo->currentText(), Qt::EditRole);
        } else if (combo->currentIndex() >= 0 && combo->currentData() != index.data(Qt::EditRole)) {
            model->setData(index, combo->currentData().toInt(), Qt::EditRole);
        }
        return;
    }
    if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
        if (edit->text() != index.data(Qt::DisplayRole).toString()) model->setData(index, edit->text(), Qt::EditRole);
        return;
    }
    QStyledItemDelegate::setModelData(editor, model, index);
}

bool RecordTableDelegate::eventFilter(QObject* object, QEvent* event)
{
    auto* editor = qobject_cast<QWidget*>(object);
    if (editor && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        switch (key->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown: {
            const bool byMouse = editor->property(kStartedByMouse).toBool();
            const bool ctrl = key->modifiers() & Qt::ControlModifier;
            // A drop-down keeps Up and Down for its own items.
            const bool openList = qobject_cast<QComboBox*>(editor) && !ctrl
                                  && (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down)
                                  && !qobject_cast<QComboBox*>(editor)->isEditable();
            if ((byMouse && !ctrl) || openList) break;
            emit commitData(editor);
            emit closeEditor(editor, QAbstractItemDelegate::NoHint);
            // The grid moves on with the same key.
            if (auto* view = qobject_cast<QAbstractItemView*>(editor->parentWidget() ? editor->parentWidget()->parentWidget() : nullptr))
                QCoreApplication::postEvent(view, new QKeyEvent(QEvent::KeyPress, key->key(), key->modifiers() & ~Qt::ControlModifier));
            return true;
        }
        default: break;
        }
    }
    return QStyledItemDelegate::eventFilter(object, event);
}
