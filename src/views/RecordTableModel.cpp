#include "views/RecordTableModel.h"

#include "app/RecordCells.h"
#include "controls/BoundField.h"
#include "model/ToneWord.h"
#include "settings/TextIds.h"
#include "views/EditorContext.h"

#include <QApplication>
#include <QBrush>
#include <QPalette>

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
    if (c < 0 || c >= columnCount()) return nullptr;
    // Rows of one record name their own entry; rows of a list all have the field.
    const int entry = config_.repeatRows > 0 ? row : 0;
    return config_.field(cellFieldName(column(c), entry));
}

LanguageSource::Items RecordTableModel::optionItems(int c) const
{
    if (c < 0 || c >= columnCount()) return {};
    if (column(c).cell == CellKind::Choice) return choices_ ? choices_(c) : LanguageSource::Items{};
    return language_.comboItems(column(c).listId);
}

namespace {
// Columns whose cells are choices of a list.
bool listed(const TableColumn& c)
{
    return c.cell == CellKind::Option || c.cell == CellKind::Choice || c.cell == CellKind::ToneType;
}
}  // namespace

QString RecordTableModel::cellText(const Record& record, const FieldDesc& field, const TableColumn& c, int col) const
{
    return QString::fromStdString(RecordCells::text(record, field, c, listed(c) ? optionItems(col) : RecordCells::Items{}));
}

QString RecordTableModel::headingText(int c) const
{
    const std::string text = language_.caption(column(c).headingId);
    return text.empty() ? QString::fromUtf8(column(c).builtIn) : QString::fromStdString(text);
}

bool RecordTableModel::isEditable(int row, int c) const
{
    if (c < 0 || c >= columnCount()) return false;
    Record* record = recordOf(row);
    const FieldDesc* field = record ? fieldOf(row, c) : nullptr;
    return field && RecordCells::editable(*record, *field, column(c));
}

QVariant RecordTableModel::data(const QModelIndex& index, int role) const
{
    Record* record = recordOf(index.row());
    const FieldDesc* field = record ? fieldOf(index.row(), index.column()) : nullptr;
    if (!field) return {};
    const TableColumn& c = column(index.column());
    switch (role) {
    case Qt::DisplayRole: return cellText(*record, *field, c, index.column());
    case Qt::EditRole:
        if (c.cell == CellKind::Option || c.cell == CellKind::Choice)
            return static_cast<int>(readField(*record, *field));
        if (c.cell == CellKind::ToneType) return static_cast<int>(ToneWord::type(static_cast<std::uint16_t>(readField(*record, *field))));
        return cellText(*record, *field, c, index.column());
    case Qt::BackgroundRole:
        // Cells that cannot be edited sit on the button face, as inert cells do.
        if (!isEditable(index.row(), index.column())) return QApplication::palette().brush(QPalette::Button);
        return {};
    default: return {};
    }
}

void RecordTableModel::written(int row, int c, const QString& before)
{
    Record* record = recordOf(row);
    if (rowRule_ && record) rowRule_(*record);
    // The rule and the tone type may change other cells of the row.
    emit dataChanged(index(row, 0), index(row, columnCount() - 1));
    emit edited(row, c);
    emit cellWritten(row, c, before, data(index(row, c)).toString());
}

int RecordTableModel::writeValue(int row, int c, int value)
{
    Record* record = recordOf(row);
    const FieldDesc* field = record ? fieldOf(row, c) : nullptr;
    if (!field) return MsgId::kNotAChoice;
    const QString before = data(index(row, c)).toString();
    const RecordCells::Written w = RecordCells::writeValue(*record, *field, column(c), value, optionItems(c));
    if (w.refused == 0) written(row, c, before);
    return w.refused;
}

int RecordTableModel::writeText(int row, int c, const QString& typed, bool* clamped)
{
    if (clamped) *clamped = false;
    Record* record = recordOf(row);
    const FieldDesc* field = record ? fieldOf(row, c) : nullptr;
    if (!field) return MsgId::kNotAChoice;
    const TableColumn& col = column(c);
    // Where a frequency column keeps the step code: the row's own entry in
    // a table of entries, the record's field in a grid of records.
    const FieldDesc* stepField = nullptr;
    if (col.stepField) {
        TableColumn stepColumn = col;
        stepColumn.field = col.stepField;
        stepField = col.cell == CellKind::Freq ? config_.field(cellFieldName(stepColumn, config_.repeatRows > 0 ? row : 0))
                                               : config_.field(col.stepField);
    }
    const QString before = data(index(row, c)).toString();
    const RecordCells::Written w =
        RecordCells::writeText(*record, *field, col, typed.toStdString(), listed(col) ? optionItems(c) : RecordCells::Items{},
                               band_, stepField);
    if (w.refused != 0) return w.refused;
    if (clamped) *clamped = w.clamped;
    written(row, c, before);
    return 0;
}

bool RecordTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !index.isValid()) return false;
    const CellKind kind = column(index.column()).cell;
    if (kind == CellKind::Inert) return false;
    const bool choice = kind == CellKind::Option || kind == CellKind::Choice || kind == CellKind::ToneType;
    bool clamped = false;
    const int refused = choice && value.userType() == QMetaType::Int
                            ? writeValue(index.row(), index.column(), value.toInt())
                            : writeText(index.row(), index.column(), value.toString(), &clamped);
    if (refused != 0) emit message(refused);
    else if (clamped) emit message(MsgId::kFreqOutOfBand);
    return refused == 0;
}

Qt::ItemFlags RecordTableModel::flags(const QModelIndex& index) const
{
    if (!index.isValid()) return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    if (isEditable(index.row(), index.column())) f |= Qt::ItemIsEditable;
    return f;
}

QVariant RecordTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical)
        return config_.rowHeading ? QVariant(QString::fromStdString(config_.rowHeading(section))) : QVariant(section + 1);
    if (section < 0 || section >= columnCount()) return {};
    return headingText(section);
}

void RecordTableModel::refresh()
{
    beginResetModel();
    endResetModel();
}
