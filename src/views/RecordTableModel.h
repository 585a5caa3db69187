#pragma once
// The table model every grid of the program uses: rows over a section's
// records (or the repeated entries of one record), columns naming record
// fields (RecordTable.h). Cells show the field's value as text; an edit is
// written to the record at once, through the same field access the forms'
// binders use, and reported by `edited` so the grid's view can announce it.
#include "views/RecordTable.h"

#include <QAbstractTableModel>

class LanguageSource;
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
    // The records changed behind the model (another editor, a reload).
    void refresh();

signals:
    // A cell was written to its record.
    void edited(int row, int column);

private:
    Record* recordOf(int row) const;
    const FieldDesc* fieldOf(int row, int column) const;
    QString cellText(const Record& record, const FieldDesc& field, const TableColumn& column) const;

    TableConfig config_;
    SectionAccess& rows_;
    const LanguageSource& language_;
};
