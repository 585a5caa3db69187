#pragma once
// The tune sub-item dialog (7004): one tuning item's points, a tab per
// point of the chosen channel spacing. Moving the value bar writes the
// point's register at once (and into the dialog's own copy of the tune
// data); the volume bar sets the radio's audio volume for the measurement;
// TX On keys the transmitter (or the carrier). OK asks the radio to keep
// the values (Vj) and hands the copy to the caller; Cancel asks it to drop
// them (Vk) and the store's tune data stays as it was.
//
// Every command goes through the tuning worker in the order given; a bar
// held down is coalesced to one write per value the radio could take, and
// its last position always reaches the radio before anything else.
#include "app/CoalescingWriter.h"
#include "app/TuningItems.h"
#include "frame/TuningContext.h"

#include <QDialog>
#include <atomic>
#include <memory>

class QLabel;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QTabBar;

class CDlgTuneSubItem : public QDialog {
    Q_OBJECT
public:
    static constexpr int kTemplate = 7004;
    static constexpr int kTabs = 7067;
    static constexpr int kRxText = 7061;
    static constexpr int kTxText = 7063;
    static constexpr int kTxOn = 7071;
    static constexpr int kNarrow = 7073;
    static constexpr int kWide = 7074;
    static constexpr int kOk = 7075;
    static constexpr int kVolumeBar = 7077;
    static constexpr int kValueMax = 7078;
    static constexpr int kValueMin = 7079;
    static constexpr int kValueText = 7080;
    static constexpr int kValueBar = 7081;
    static constexpr int kVolumeMax = 7082;
    static constexpr int kVolumeMin = 7083;
    static constexpr int kVolumeText = 7084;
    static constexpr int kMiddle = 7085;

    CDlgTuneSubItem(const TuningContext& context, const TuningItem& item, std::uint16_t firstRegister,
                    std::uint16_t value, QWidget* parent = nullptr);
    ~CDlgTuneSubItem() override;

    // 1 every command worked, 0 a write was refused, -1 the radio did not answer.
    int status() const { return m_status; }
    const std::vector<std::uint8_t>& tuneData() const { return m_tuneData; }
    Spacing spacing() const { return m_spacing; }
    std::uint16_t currentRegister() const;
    // True while a register read is on its way (the controls wait for it).
    bool reading() const { return m_reading; }
    // Commands posted to the radio whose answer has not been handled yet.
    int pendingJobs() const { return m_pending; }

    QTabBar* tabs() const { return m_tabs; }
    QScrollBar* valueBar() const { return m_valueBar; }
    QScrollBar* volumeBar() const { return m_volumeBar; }
    QPushButton* txOn() const { return m_txOn; }
    QRadioButton* spacingButton(Spacing s) const;

    void accept() override;
    void reject() override;

signals:
    void messageShown(int messageId);

private:
    void buildTabs();
    void readCurrent();
    void showValue(std::uint16_t value);
    void showVolume(int volume);
    void showOutputCaption();
    void valueMoved(int position);
    void volumeMoved(int position);
    void outputClicked(bool checked);
    void chooseSpacing(Spacing s);
    void submit(RegisterWrite write);
    void send(RegisterWrite write);
    void flushWrites();
    void setWaiting(bool waiting);
    // Ends the dialog after a failure; the radio is sent nothing more.
    void fail(int status, int messageId = 0);
    void say(int messageId);
    template <class Job, class Done>
    void post(Job job, Done done);

    TuningContext m_context;
    TuningItem m_item;
    Spacing m_spacing = Spacing::Wide;
    std::vector<std::uint8_t> m_tuneData;
    ScrollRange m_range;
    int m_status = 1;
    int m_pending = 0;
    bool m_reading = false;
    bool m_ending = false;
    bool m_showing = false;  // the bars move because a value is shown, not by the user
    CoalescingWriter m_writer;
    // Set when the dialog has ended: jobs it posted that have not run yet
    // send nothing.
    std::shared_ptr<std::atomic<bool>> m_stopped = std::make_shared<std::atomic<bool>>(false);

    QTabBar* m_tabs;
    QScrollBar* m_valueBar;
    QScrollBar* m_volumeBar;
    QLabel* m_valueText;
    QLabel* m_valueMin;
    QLabel* m_valueMax;
    QLabel* m_volumeText;
    QLabel* m_rxText;
    QLabel* m_txText;
    QPushButton* m_txOn;
    QPushButton* m_ok;
    QPushButton* m_cancel;
    QRadioButton* m_wide;
    QRadioButton* m_middle;
    QRadioButton* m_narrow;
};
