#pragma once
// The progress dialog of a read from or write to the radio. OK starts the
// session on a worker thread; its progress and its end reach the dialog as
// queued calls, so the window stays responsive and no lock is needed. The
// dialog ends accepted only when the whole transfer succeeded. While the
// transfer runs it cannot be closed: a half-written radio would be worse
// than a short wait.
#include "link/TransferResult.h"

#include <QDialog>
#include <functional>
#include <memory>

class IFrameHost;
class QLabel;
class QProgressBar;
class QPushButton;
class ThreadPost;
class TransferWorker;

class CDlgCommProgress : public QDialog {
    Q_OBJECT
public:
    enum class Mode { Read, Write };
    static constexpr int kTemplate = 1601;
    static constexpr int kProgress = 1611;
    static constexpr int kText = 1603;

    // Runs the whole session (find the radio, check it, transfer) on the
    // worker thread, reporting percent 0-100 through the callback.
    using Session = std::function<TransferResult(std::function<void(int)> progress)>;

    CDlgCommProgress(const IFrameHost& host, Mode mode, Session session, QWidget* parent = nullptr);
    ~CDlgCommProgress() override;

    const TransferResult& result() const { return m_result; }
    bool running() const { return m_running; }
    int percent() const;
    QString statusText() const;

    // Starts the transfer, as the OK button does.
    void start();
    // Starts the transfer as soon as the dialog is shown, for commands that
    // ask nothing first. A radio that is not found leaves the buttons to
    // try again or cancel, as always.
    void setStartOnShow(bool on) { m_startOnShow = on; }
    // The question shown until OK starts the transfer ("Press OK to start."
    // by default). With `cancelIsDefault` Enter does not start it.
    void setPrompt(const QString& text, bool cancelIsDefault);

    void reject() override;
    // Ends the dialog and gives the keyboard back to the window it belongs
    // to (under a window manager the focus would otherwise stay nowhere
    // after the result box and the dialog closed).
    void done(int result) override;

signals:
    // A message the dialog shows; tests read it from here.
    void messageShown(int messageId, const QString& text);

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void onProgress(int percent);
    void onFinished(const TransferResult& result);
    QString messageText(const Outcome& outcome) const;

    const IFrameHost& m_host;
    Mode m_mode;
    Session m_session;
    std::unique_ptr<TransferWorker> m_worker;
    ThreadPost* m_post;
    TransferResult m_result;
    bool m_running = false;
    bool m_startOnShow = false;
    bool m_startedOnShow = false;
    QProgressBar* m_bar;
    QLabel* m_text;
    QPushButton* m_ok;
    QPushButton* m_cancel;
};
