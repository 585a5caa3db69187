#include "desktop/FactoryModeCommand.h"

#include "app/DocumentService.h"
#include "app/LearnedRadio.h"
#include "frame/CDlgFactoryMode.h"
#include "frame/FrameHost.h"
#include "link/TuningSessions.h"
#include "model/CCodeplugData.h"
#include "settings/AccessLevel.h"
#include "settings/SettingsManager.h"

#include <algorithm>

namespace {

using Job = CDlgFactoryMode::Job;

std::function<TransferResult(RadioImage&)> jobOn(std::shared_ptr<SessionContext> ctx, Job job)
{
    return [ctx, job](RadioImage& image) {
        CRadioLink link(ctx->ports, ctx->timing);
        switch (job) {
        case Job::Read: return factoryRead(link, *ctx, image);
        case Job::Write: return factoryWrite(link, *ctx, image);
        case Job::TuneSwitch: return writeTuneSwitch(link, *ctx, image);
        }
        return TransferResult{};
    };
}

}  // namespace

std::optional<FactoryTakeover> runFactoryMode(const FactoryModeParts& parts)
{
    CCodeplugData& store = parts.store;
    CSettingsManager& settings = parts.settings;
    CDlgFactoryMode::Start start;
    start.form = loadFactoryForm({store.radioInfo, store.factoryBlock.own, store.misc}, settings.freqRange());
    std::copy(store.image().begin(), store.image().end(), start.image.begin());
    start.modelId = settings.modelId();
    start.firmwareVersion = settings.firmwareVersion();
    start.fullAccess = parts.host.accessCode() == AccessCode::kFull;
    ProfileFile volume;
    volume.load(settings.programDir() + "volume.ini");

    CDlgFactoryMode dlg(parts.host, start, [&parts](Job job) { return jobOn(parts.sessionContext(), job); }, volume,
                        parts.parent);
    dlg.onLearned = [&settings](Job job, const TransferResult& r) {
        applyLearned(settings, r, job == Job::Read ? Takeover::FactoryRead : Takeover::PortOnly);
    };
    QObject::connect(&dlg, &CDlgFactoryMode::helpRequested, parts.parent, [&parts](int id) { parts.help(id); });
    dlg.exec();
    if (!dlg.changedAnything()) return std::nullopt;
    if (parts.closeEditors) parts.closeEditors();
    FactoryTakeover t = takeOverFactoryForm(dlg.form(), store, settings, parts.document.ranges(), parts.prompt);
    if (t.recordsChanged) parts.document.noteEdit();
    if (t.nameChanged) parts.document.noteHeaderChange();
    return t;
}
