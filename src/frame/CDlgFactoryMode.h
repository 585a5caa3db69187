#pragma once
// The Factory Mode dialog: the radio's factory settings (model name, serial
// number, band and range, signalling, open channel, oscillator and middle
// frequencies, version and option bits, tune switch), read from and written
// to the radio block by block. Read, Write and Write Tune Switch run on a
// worker thread while the dialog shows that it is busy; their results come
// back as queued calls. The band, range, signalling and open channel
// controls are enabled only at the full access level. The dialog ends with
// Close once every entry is acceptable; the caller then takes the values.
#include "app/FactorySettingsForm.h"
#include "link/ImageSessions.h"

#include <QDialog>
#include <functional>
#include <memory>

class IFrameHost;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class ThreadPost;
class TransferWorker;

class CDlgFactoryMode : public QDialog {
    Q_OBJECT
public:
    static constexpr int kTemplate = 4805;
    static constexpr int kWrite = 4840;
    static constexpr int kRead = 4841;
    static constexpr int kClose = 4842;
    static constexpr int kWriteTuneSwitch = 4846;
    static constexpr int kBusy = 4856;

    enum class Job { Read, Write, TuneSwitch };
    // Made on the window's thread for each button press; the job it returns
    // runs on the worker on the dialog's own copy of the image (a read
    // fills it).
    using JobMaker = std::function<std::function<TransferResult(RadioImage&)>(Job)>;

    struct Start {
        FactorySettingsForm form;     // what the controls show first
        RadioImage image{};           // the codeplug image the blocks are written from
        std::string modelId;          // fills the model identifier bytes on a write
        std::string firmwareVersion;  // the program's current one, until a read
        bool fullAccess = false;
    };

    CDlgFactoryMode(const IFrameHost& host, Start start, JobMaker jobs, ProfileFile volume,
                    QWidget* parent = nullptr);
    ~CDlgFactoryMode() override;

    // The values of the controls; `form()` after the dialog closed is what
    // the caller takes over.
    FactorySettingsForm form() const;
    // What a job learned, reported after it ended, on the window's thread
    // (the port where the radio answered, the range of a read).
    std::function<void(Job, const TransferResult&)> onLearned;

    bool busy() const { return m_busy; }
    // Whether closing hands anything over: the radio was read or written,
    // or an entry differs from what the dialog showed first.
    bool changedAnything() const { return m_read || m_wrote || !(form() == m_start.form); }
    void startJob(Job job);

    // Close: refuses (with the message, focus on the control) while an
    // entry is not acceptable or a job runs.
    void reject() override;

signals:
    void helpRequested(int contextId);
    // A message the dialog shows; tests read it from here.
    void messageShown(int messageId, const QString& text);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void load(const FactorySettingsForm& form);
    // False (after saying why, with the focus on the control) when an entry
    // is not acceptable.
    bool checkEntries();
    void onModelNameLeft();
    void setBusy(bool busy);
    void finished(Job job, const TransferResult& result, const RadioImage& image);
    void say(int messageId, const QString& text, bool warning);

    const IFrameHost& m_host;
    Start m_start;
    JobMaker m_jobs;
    ProfileFile m_volume;
    RadioImage m_image;
    std::unique_ptr<TransferWorker> m_worker;
    ThreadPost* m_post;
    bool m_busy = false;
    bool m_read = false;
    bool m_wrote = false;
    bool m_saying = false;

    QLineEdit* m_modelName = nullptr;
    QLineEdit* m_serial = nullptr;
    QComboBox* m_bandFlag = nullptr;
    QLineEdit* m_rangeId = nullptr;
    QLineEdit* m_rangeLow = nullptr;
    QLineEdit* m_rangeHigh = nullptr;
    QComboBox* m_signalling = nullptr;
    QComboBox* m_openChannel = nullptr;
    QLineEdit* m_pll = nullptr;
    QLineEdit* m_rxMiddle = nullptr;
    QComboBox* m_addSub = nullptr;
    QComboBox* m_releaseDebug = nullptr;
    QComboBox* m_lcd = nullptr;
    QCheckBox* m_options[4] = {};
    QRadioButton* m_tuneOpen = nullptr;
    QRadioButton* m_tuneClose = nullptr;
    QLineEdit* m_firmware = nullptr;
    QProgressBar* m_busyBar = nullptr;
    QList<QPushButton*> m_buttons;
};
