#pragma once
// The up and down arrows beside a range edit. Each click steps the edit by
// one step of its range (RangeValueEdit.h) and reports it, so the owner
// can write the new value back as a finished edit. The arrows carry the
// spin's own control id for help; they are not edits of their own.
#include <QWidget>

class CRangeValueEdit;

class CSpinButtons : public QWidget {
    Q_OBJECT
public:
    // `offBelow`: the step below the range's minimum turns the value off.
    CSpinButtons(CRangeValueEdit* edit, bool offBelow = false, QWidget* parent = nullptr);

    CRangeValueEdit* edit() const { return edit_; }
    void step(int steps);

    // Puts `edit` and a new spin beside it into the edit's place in its
    // parent's layout; the spin gets control id `spinId`.
    static CSpinButtons* attach(CRangeValueEdit* edit, int spinId, bool offBelow = false);

signals:
    // After a step, with the edit's control id.
    void stepped(int editId);

private:
    CRangeValueEdit* edit_;
    bool offBelow_;
};
