#pragma once
// The table model every grid of the program uses: rows over a section's
// records (or the repeated entries of one record), columns naming record
// fields (RecordTable.h). Cells show the field's value as text; an edit is
// written to the record at once, through the same field access the forms'
// binders use, and reported by `edited` so the grid's view can announce it.
// Typed and pasted texts go through one conversion (writeText): a text
// that is not what the column holds changes nothing and says why.
#include "controls/LanguageSource.h"
#include "model/FreqEntry.h"
#include "app/RecordTable.h"

#include <QAbstractTableModel>

#include <functional>

class SectionAccess;
class Record;
struct FieldDesc;

class RecordTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    RecordTableModel(const TableConfig& config, SectionAccess& rows, const LanguageSource& language,
                     QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    const TableConfig& config() const { return config_; }
    const TableColumn& column(int c) const { return config_.columns[static_cast<std::size_t>(c)]; }
    QString headingText(int c) const;
    // The records changed behind the model (another editor, a reload).
    void refresh();

    // The band grid frequencies are clamped to.
    void setBand(const FreqBand& band) { band_ = band; }
    // The items of Choice columns, supplied by the grid's owner.
    using ChoiceSource = std::function<LanguageSource::Items(int column)>;
    void setChoices(ChoiceSource choices) { choices_ = std::move(choices); }
    // Run on a row's record after each written cell: the rules that tie
    // its fields together.
    void setRowRule(std::function<void(Record&)> rule) { rowRule_ = std::move(rule); }

    // The items an Option, ToneType or Choice cell offers.
    LanguageSource::Items optionItems(int column) const;
    bool isEditable(int row, int column) const;
    // Writes a cell from its text as typed or pasted. Returns 0 when it
    // was written, otherwise the message that says why it was not (the
    // cell is then unchanged). `clamped` is set when a frequency was put
    // on the band edge.
    int writeText(int row, int column, const QString& text, bool* clamped = nullptr);

signals:
    // A cell was written to its record.
    void edited(int row, int column);
    // ... with what the cell showed before and after.
    void cellWritten(int row, int column, const QString& before, const QString& after);
    // A message to show after an interactive edit: a clamp or a refusal.
    void message(int stringId);

private:
    Record* recordOf(int row) const;
    const FieldDesc* fieldOf(int row, int column) const;
    QString cellText(const Record& record, const FieldDesc& field, const TableColumn& column, int c) const;
    int writeValue(int row, int column, int value);
    void written(int row, int column, const QString& before);

    TableConfig config_;
    SectionAccess& rows_;
    const LanguageSource& language_;
    FreqBand band_;
    ChoiceSource choices_;
    std::function<void(Record&)> rowRule_;
};
