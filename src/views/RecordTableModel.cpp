#include "views/RecordTableModel.h"

#include "controls/BcdDigitEdit.h"
#include "controls/BoundField.h"
#include "controls/LanguageSource.h"
#include "model/ChannelStep.h"
#include "model/FreqBcd.h"
#include "views/EditorContext.h"

RecordTableModel::RecordTableModel(const TableConfig& config, SectionAccess& rows, const LanguageSource& language,
                                   QObject* parent)
    : QAbstractTableModel(parent), config_(config), rows_(rows), language_(language)
{
}

int RecordTableModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid()) return 0;
    if (config_.repeatRows > 0) return rows_.count() > 0 ? config_.repeatRows : 0;
    return rows_.count();
}

int RecordTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(config_.columns.size());
}

Record* RecordTableModel::recordOf(int row) const
{
    if (row < 0 || row >= rowCount()) return nullptr;
    return rows_.at(config_.repeatRows > 0 ? 0 : row);
}

const FieldDesc* RecordTableModel::fieldOf(int row, int c) const
{
    // Rows of one record name their own entry; rows of a list all have the field.
    const int entry = config_.repeatRows > 0 ? row : 0;
    return config_.field(cellFieldName(column(c), entry));
}

QString RecordTableModel::cellText(const Record& record, const FieldDesc& field, const TableColumn& c) const
{
    switch (c.cell) {
    case CellKind::Freq: {
        const std::uint32_t word = readField(record, field);
        // Both the zero word and the empty word are no frequency.
        return word == 0 || word == FreqBcd::kEmpty ? QString() : QString::fromStdString(FreqBcd::text(word));
    }
    case CellKind::Option:
        return QString::fromStdString(language_.textForValue(c.listId, static_cast<int>(readField(record, field))));
    default: return QString::fromStdString(fieldText(record, field));
    }
}

QVariant RecordTableModel::data(const QModelIndex& index, int role) const
{
    Record* record = recordOf(index.row());
    const FieldDesc* field = record ? fieldOf(index.row(), index.column()) : nullptr;
    if (!field) return {};
    const TableColumn& c = column(index.column());
    if (role == Qt::DisplayRole) return cellText(*record, *field, c);
    if (role == Qt::EditRole) {
        if (c.cell == CellKind::Option) return static_cast<int>(readField(*record, *field));
        return cellText(*record, *field, c);
    }
    return {};
}

bool RecordTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole) return false;
    Record* record = recordOf(index.row());
    const FieldDesc* field = record ? fieldOf(index.row(), index.column()) : nullptr;
    if (!field) return false;
    const TableColumn& c = column(index.column());
    const QString text = value.toString().trimmed();
    switch (c.cell) {
    case CellKind::Inert: return false;
    case CellKind::Option: {
        bool isNumber = false;
        int v = value.userType() == QMetaType::Int ? value.toInt(&isNumber) : -1;
        if (!isNumber) v = language_.valueForText(c.listId, text.toStdString());
        // A text the list does not know changes nothing.
        if (v < 0 || language_.textForValue(c.listId, v).empty()) return false;
        writeField(*record, *field, static_cast<std::uint32_t>(v));
        break;
    }
    case CellKind::Freq: {
        // Empty is no frequency; anything else goes on its step grid, and
        // the step code it was put on is stored beside it.
        StepResult step{0, 0};
        if (!text.isEmpty()) step = classifyDialogStep(FreqBcd::parseUnits(text.toStdString()));
        writeField(*record, *field, text.isEmpty() ? 0 : FreqBcd::fromUnits(step.units));
        const int entry = config_.repeatRows > 0 ? index.row() : 0;
        TableColumn stepColumn = c;
        stepColumn.field = c.stepField;
        if (const FieldDesc* stepField = c.stepField ? config_.field(cellFieldName(stepColumn, entry)) : nullptr)
            writeField(*record, *stepField, step.code);
        break;
    }
    case CellKind::Text:
        record->setText(field->offset, field->length, text.toLatin1().toStdString(), '\0');
        break;
    case CellKind::Digits: {
        const auto bytes = CBcdDigitEdit::bytesOf(text, static_cast<int>(field->length * 2));
        if (bytes.size() != field->length) return false;
        record->setBytes(field->offset, bytes);
        break;
    }
    }
    emit dataChanged(index, index);
    emit edited(index.row(), index.column());
    return true;
}

Qt::ItemFlags RecordTableModel::flags(const QModelIndex& index) const
{
    if (!index.isValid()) return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    if (column(index.column()).cell != CellKind::Inert) f |= Qt::ItemIsEditable;
    return f;
}

QVariant RecordTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical)
        return config_.rowHeading ? QVariant(QString::fromStdString(config_.rowHeading(section))) : QVariant(section + 1);
    if (section < 0 || section >= columnCount()) return {};
    const TableColumn& c = column(section);
    const std::string text = language_.caption(c.headingId);
    return text.empty() ? QString::fromUtf8(c.builtIn) : QString::fromStdString(text);
}

void RecordTableModel::refresh()
{
    beginResetModel();
    endResetModel();
}
