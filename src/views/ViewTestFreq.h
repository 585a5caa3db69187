#pragma once
// The test-frequency editor: the sixteen test frequencies and the five
// tuning points of the one test-frequency record, each list a grid. A cell
// is written to the record as soon as its edit ends (the grid's model puts
// the frequency on its step and stores the step code beside it), then
// announced like any other edit.
#include "views/CustomFormView.h"

class QTableView;
class RecordTableModel;

class CViewTestFreq : public CCustomFormView {
    Q_OBJECT
public:
    explicit CViewTestFreq(EditorContext& context, QWidget* parent = nullptr);

    QTableView* testGrid() const { return testView_; }
    QTableView* pointGrid() const { return pointView_; }

protected:
    void buildForm(QWidget* form) override;
    void loadControls(Record* record) override;
    void onNotice(const ChangeNotice& notice) override;
    // The grids commit their own cells.
    bool watchesOwnControls() const override { return false; }

private:
    QTableView* addGrid(QWidget* form, int controlId, const char* title, RecordTableModel* model);
    void announceCell(int gridId, RecordTableModel* model, int row, int column);

    RecordTableModel* tests_ = nullptr;
    RecordTableModel* points_ = nullptr;
    QTableView* testView_ = nullptr;
    QTableView* pointView_ = nullptr;
};
