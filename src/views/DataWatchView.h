#pragma once
// The data watch: the whole codeplug image as a hexadecimal grid (512 lines
// of 16 bytes), and a list of every byte that changed since the grid was
// filled. Memory Update packs the image and then asks the view to compare;
// each change is marked green in the grid, listed, and described in decimal
// and binary in the detail text. A cell's tool tip and the detail text name
// the record field the byte belongs to.
#include "model/ImageWatch.h"
#include "views/CustomFormView.h"

#include <memory>
#include <vector>

class DataWatchMarks;
class QListWidget;
class QPlainTextEdit;
class QTableView;
class RecordTableModel;

class CDataWatchView : public CCustomFormView {
    Q_OBJECT
public:
    static constexpr int kDetail = 3546;
    static constexpr int kClear = 3548;
    static constexpr int kChanges = 3549;
    static constexpr int kCorner = 3510;

    explicit CDataWatchView(EditorContext& context, QWidget* parent = nullptr);
    ~CDataWatchView() override;

    QTableView* grid() const { return grid_; }
    QListWidget* changeList() const { return list_; }
    QPlainTextEdit* detail() const { return detail_; }
    // The shown byte at `offset`, as the grid shows it ("5A").
    QString cellText(std::size_t offset) const;
    bool cellMarked(std::size_t offset) const;
    // The image offset of the grid's current cell; -1 when none.
    long currentOffset() const;

public slots:
    // Compares the image with what the grid shows and logs every difference.
    void compare();
    // Empties the change list and the detail text, and unmarks the cells.
    void clearChanges();
    // Puts the change list on the clipboard, one line per change with its field.
    void copyChanges() const;

protected:
    void buildForm(QWidget* form) override;
    void loadControls(Record*) override;
    bool watchesOwnControls() const override { return false; }

private:
    class Shown;
    void fill();
    void showChange(int line);
    void selectLineOfCell(const QModelIndex& index);

    std::unique_ptr<Shown> shown_;   // the image as the grid shows it
    RecordTableModel* model_ = nullptr;
    DataWatchMarks* marks_ = nullptr;
    QTableView* grid_ = nullptr;
    QListWidget* list_ = nullptr;
    QPlainTextEdit* detail_ = nullptr;
    ImageWatch watch_;
    std::vector<ImageChange> changes_;   // one per list line
    bool filled_ = false;
};
