#pragma once
// One editor window inside the main window's work area: the editor view of
// one tree entry above its record navigation bar.
#include <QMdiSubWindow>
#include <QPointer>

class CRecordNavBar;
class IFrameHost;
class QLabel;
class QScrollArea;

class CChildFrame : public QMdiSubWindow {
    Q_OBJECT
public:
    // `view` may be null when this build has no editor for the entry; the
    // window then says so instead of showing an empty form.
    CChildFrame(int commandId, int recordLimit, QWidget* view, QWidget* parent = nullptr);

    int commandId() const { return m_commandId; }
    int recordLimit() const { return m_recordLimit; }
    QWidget* view() const { return m_view; }
    CRecordNavBar* navBar() const { return m_navBar; }
    // The texts of the window's own parts (its bar, the note that stands in
    // for a missing editor) in the current language.
    void applyTexts(const IFrameHost& host);

signals:
    // Asked by the bar: the frame prints, shows help, moves the tree.
    void printRequested(CChildFrame* frame);
    // The context ids to try, best first.
    void helpRequested(const QList<int>& contextIds);
    // The view moved to another record: the action done, the one-based
    // current number (0 for none) and the record count.
    void navigated(CChildFrame* frame, int action, int number, int count);
    void closing(CChildFrame* frame);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    int m_commandId;
    int m_recordLimit;
    QPointer<QWidget> m_view;
    CRecordNavBar* m_navBar;
    QLabel* m_missing = nullptr;
};
