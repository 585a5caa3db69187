#include "desktop/AdjustmentCommand.h"

#include "app/RadioCommands.h"
#include "desktop/SettingsFrameHost.h"
#include "frame/CDlgCommProgress.h"
#include "frame/CDlgTuning.h"
#include "frame/CMainFrame.h"
#include "frame/FrameIds.h"
#include "frame/LangText.h"
#include "frame/TuningWorker.h"
#include "link/RadioLink.h"
#include "link/SessionContext.h"
#include "link/TuningSessions.h"
#include "model/CCodeplugData.h"
#include "model/FreqBcd.h"
#include "model/TestFreqRecord.h"
#include "settings/TextIds.h"

namespace {
// "Connecting to the radio for tuning...", shown while the radio is looked for.
constexpr int kConnecting = 1158;

QString frequencyText(std::uint32_t word)
{
    // A zero word is an unset point, as the test-frequency grid shows it.
    return word == 0 ? QString() : QString::fromStdString(FreqBcd::text(word));
}
}  // namespace

void AdjustmentCommand::run()
{
    auto ctx = m_parts.sessionContext();
    auto link = std::make_shared<CRadioLink>(ctx->ports, ctx->timing);
    auto connection = std::make_shared<TuningConnection>();
    CDlgCommProgress progress(
        m_parts.host, CDlgCommProgress::Mode::Read,
        [ctx, link, connection](std::function<void(int)>) {
            *connection = openTuningConnection(*link, *ctx, Proto::Mode::Tuning);
            return connection->result;
        },
        &m_parts.frame);
    progress.setWindowTitle(LangText::plainText(LangText::caption(m_parts.host, Cmd::kAdjustment, QObject::tr("Adjustment"))));
    progress.setPrompt(LangText::message(m_parts.host, kConnecting, QObject::tr("Connecting to the radio for tuning...")),
                       false);
    progress.setStartOnShow(true);
    progress.exec();
    // The progress dialog's worker has ended: the link is this thread's again.
    m_parts.radio.finishAdjustment(*connection);
    if (m_parts.afterConnection) m_parts.afterConnection();
    if (!connection->result.outcome.ok) {
        link->close();
        return;
    }

    TuningWorker worker(link);
    CCodeplugData& store = m_parts.store;
    RadioCommands& radio = m_parts.radio;
    TuningContext tuning{
        m_parts.host,
        worker,
        [&store] { return std::vector<std::uint8_t>(store.tuneData.data(), store.tuneData.data() + store.tuneData.size()); },
        [&store](int point) {
            return std::array<QString, 2>{frequencyText(store.testFreq.u32(TestFreqField::pointRx(point))),
                                          frequencyText(store.testFreq.u32(TestFreqField::pointTx(point)))};
        },
        [&radio](std::span<const std::uint8_t> data) { radio.keepTuneData(data); },
        m_parts.help};
    CDlgTuning list(tuning, &m_parts.frame);
    list.exec();
    // Tuning ends with the radio back in normal operation.
    worker.post([](CRadioLink& l) {
        l.setMode(Proto::Mode::Leave);
        l.close();
    });
    worker.waitIdle();
}
