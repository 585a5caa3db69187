#include "views/RecordTableModel.h"

#include "controls/BcdDigitEdit.h"
#include "controls/BoundField.h"
#include "model/ChannelStep.h"
#include "model/ChannelTexts.h"
#include "model/FreqBcd.h"
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
QString itemText(const LanguageSource::Items& items, int value)
{
    for (const ListItem& item : items)
        if (item.value == value) return QString::fromStdString(item.text);
    return {};
}
std::uint16_t toneOf(const Record& record, const FieldDesc& field)
{
    return static_cast<std::uint16_t>(readField(record, field));
}
}  // namespace

QString RecordTableModel::cellText(const Record& record, const FieldDesc& field, const TableColumn& c, int col) const
{
    switch (c.cell) {
    case CellKind::Freq: {
        const std::uint32_t word = readField(record, field);
        // Both the zero word and the empty word are no frequency.
        return word == 0 || word == FreqBcd::kEmpty ? QString() : QString::fromStdString(FreqBcd::text(word));
    }
    case CellKind::GridFreq: {
        // The stored frequency as it is: a 2.5 kHz frequency typed into
        // the grid is shown as typed, not lowered to the 12.5 kHz grid.
        const std::uint32_t word = readField(record, field);
        return word == FreqBcd::kEmpty ? QString() : QString::fromStdString(FreqBcd::text(word));
    }
    case CellKind::Option:
    case CellKind::Choice: return itemText(optionItems(col), static_cast<int>(readField(record, field)));
    case CellKind::ToneType:
        return itemText(optionItems(col), static_cast<int>(ToneWord::type(toneOf(record, field))));
    case CellKind::Ctcss: return QString::fromStdString(ToneWord::ctcssBoxText(toneOf(record, field)));
    case CellKind::Cdcss: return QString::fromStdString(ToneWord::cdcssBoxText(toneOf(record, field)));
    default: return QString::fromStdString(fieldText(record, field));
    }
}

QString RecordTableModel::headingText(int c) const
{
    const std::string text = language_.caption(column(c).headingId);
    return text.empty() ? QString::fromUtf8(column(c).builtIn) : QString::fromStdString(text);
}

bool RecordTableModel::isEditable(int row, int c) const
{
    if (c < 0 || c >= columnCount()) return false;
    const TableColumn& col = column(c);
    if (col.cell == CellKind::Inert) return false;
    if (col.cell != CellKind::Ctcss && col.cell != CellKind::Cdcss) return true;
    // A tone cell is editable only while the row's tone type is its kind.
    Record* record = recordOf(row);
    const FieldDesc* field = record ? fieldOf(row, c) : nullptr;
    if (!field) return false;
    const unsigned type = ToneWord::type(toneOf(*record, *field));
    return col.cell == CellKind::Ctcss ? type == ToneWord::kTypeCtcss : ToneWord::isCdcssType(type);
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
        if (c.cell == CellKind::ToneType) return static_cast<int>(ToneWord::type(toneOf(*record, *field)));
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
    if (!field || !isEditable(row, c)) return MsgId::kNotAChoice;
    // A value the list does not offer changes nothing.
    bool offered = false;
    for (const ListItem& item : optionItems(c)) offered = offered || item.value == value;
    if (!offered) return MsgId::kNotAChoice;
    const QString before = data(index(row, c)).toString();
    if (column(c).cell == CellKind::ToneType) {
        // Only the type changes: the tone value stays until a tone of the new type is chosen.
        const std::uint16_t word = toneOf(*record, *field);
        writeField(*record, *field,
                   static_cast<std::uint16_t>((word & ~ToneWord::kTypeMask) | (static_cast<unsigned>(value) & 3u) << 14));
    } else {
        writeField(*record, *field, static_cast<std::uint32_t>(value));
    }
    written(row, c, before);
    return 0;
}

int RecordTableModel::writeText(int row, int c, const QString& typed, bool* clamped)
{
    if (clamped) *clamped = false;
    Record* record = recordOf(row);
    const FieldDesc* field = record ? fieldOf(row, c) : nullptr;
    if (!field || !isEditable(row, c)) return MsgId::kNotAChoice;
    const TableColumn& col = column(c);
    const QString text = typed.trimmed();
    const std::string t = text.toStdString();
    switch (col.cell) {
    case CellKind::Option:
    case CellKind::Choice:
    case CellKind::ToneType: {
        for (const ListItem& item : optionItems(c))
            if (QString::fromStdString(item.text) == text) return writeValue(row, c, item.value);
        return MsgId::kNotAChoice;
    }
    default: break;
    }
    const QString before = data(index(row, c)).toString();
    switch (col.cell) {
    case CellKind::Freq: {
        // Empty is no frequency; anything else goes on its step grid, and
        // the step code it was put on is stored beside it.
        if (!text.isEmpty() && !isFrequencyText(t)) return MsgId::kNotAFrequency;
        StepResult step{0, 0};
        if (!text.isEmpty()) step = classifyDialogStep(FreqBcd::parseUnits(t));
        writeField(*record, *field, text.isEmpty() ? 0 : FreqBcd::fromUnits(step.units));
        const int entry = config_.repeatRows > 0 ? row : 0;
        TableColumn stepColumn = col;
        stepColumn.field = col.stepField;
        if (const FieldDesc* stepField = col.stepField ? config_.field(cellFieldName(stepColumn, entry)) : nullptr)
            writeField(*record, *stepField, step.code);
        break;
    }
    case CellKind::GridFreq: {
        if (!text.isEmpty() && !isFrequencyText(t)) return MsgId::kNotAFrequency;
        const FreqEntry e = readGridFreq(t, band_, true);
        writeField(*record, *field, e.word);
        if (col.stepField) {
            if (const FieldDesc* stepField = config_.field(col.stepField))
                writeField(*record, *stepField, stepCodeOfGridClass(e.step));
        }
        if (clamped) *clamped = e.notice != 0;
        break;
    }
    case CellKind::Ctcss:
    case CellKind::Cdcss: {
        const bool ctcss = col.cell == CellKind::Ctcss;
        if (ctcss ? !isCtcssText(t) : !isCdcssText(t)) return ctcss ? MsgId::kNotACtcssTone : MsgId::kNotACdcssCode;
        const std::uint16_t word = toneOf(*record, *field);
        const std::string other = ctcss ? ToneWord::cdcssBoxText(word) : ToneWord::ctcssBoxText(word);
        writeField(*record, *field,
                   ToneWord::write(word, ToneWord::type(word), ctcss ? t : other, ctcss ? other : t));
        break;
    }
    case CellKind::Text: record->setText(field->offset, field->length, text.toLatin1().toStdString(), '\0'); break;
    case CellKind::Digits: {
        const auto bytes = CBcdDigitEdit::bytesOf(text, static_cast<int>(field->length * 2));
        if (bytes.size() != field->length) return MsgId::kNotAChoice;
        record->setBytes(field->offset, bytes);
        break;
    }
    default: return MsgId::kNotAChoice;
    }
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
