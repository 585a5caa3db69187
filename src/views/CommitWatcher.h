#pragma once
// Watches the controls of a form or page for the moments an edit is
// finished: an edit or combo box losing the focus, a button clicked, a
// combo box choice made. Each reports the control's id so the owner can
// write its controls back to the record and announce the change - edits
// reach the record when they are finished, never per keystroke.
//
// It also makes Enter move the focus to the next field (except on a control
// with id 1, the OK button), so Enter in an edit never closes anything.
#include <QObject>
#include <QPointer>

class QWidget;

class CommitWatcher : public QObject {
    Q_OBJECT
public:
    explicit CommitWatcher(QObject* parent = nullptr);

    // Watches every descendant of `root` that carries a control id and is a
    // button, combo box or edit. Call again after adding controls.
    void watch(QWidget* root);

    // While suspended nothing is reported (e.g. while the owner reloads).
    void setSuspended(bool on) { suspended_ = on; }

signals:
    // committed: 1 when focus left the control or it was clicked or chosen
    void committed(int controlId);
    // The control gained the focus (the notice's "committed" flag 0).
    void focused(int controlId);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void report(QObject* control, bool commit);
    bool suspended_ = false;
};
