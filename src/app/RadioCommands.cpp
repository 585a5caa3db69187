#include "app/RadioCommands.h"

#include "app/DocumentService.h"
#include "app/LearnedRadio.h"
#include "model/CCodeplugData.h"
#include "model/MemoryMap.h"
#include "settings/SettingsManager.h"
#include "settings/TextIds.h"

#include <algorithm>

RadioCommands::RadioCommands(DocumentService& document, CCodeplugData& store, CSettingsManager& settings,
                             IPrompt& prompt, IDocumentObserver& observer)
    : document_(document), store_(store), settings_(settings), prompt_(prompt), observer_(observer)
{
}

void RadioCommands::offerBand(const FreqRangeEntry& band)
{
    // The radio may have brought another model identifier: its own ranges
    // are the ones the band is compared with and appended to.
    document_.ranges().load(settings_);
    lastOffer_ = offerNewRange(band, document_.ranges(), settings_, prompt_);
}

Outcome RadioCommands::finishRead(const TransferResult& result, const RadioImage& image)
{
    lastOffer_ = {};
    lastBackup_ = {};
    if (!result.outcome.ok) {
        applyLearned(settings_, result, Takeover::PortOnly);
        return result.outcome;
    }
    applyLearned(settings_, result, Takeover::Read);
    keepBackup("read", image);
    document_.clearCurrentPath();
    observer_.titleChanged("");
    offerBand(result.band);
    std::copy(image.begin(), image.end(), store_.image().begin());
    observer_.closeAllEditors();
    store_.unpack();
    document_.markReplaced();  // it holds what the radio holds; its history starts here
    document_.invalidValues().clear();  // they named the replaced codeplug's records
    observer_.codeplugReplaced("");
    return result.outcome;
}

Outcome RadioCommands::runRead(SessionContext& ctx)
{
    ctx.current = SessionBaseline::of(settings_);
    RadioImage image{};
    TransferResult result = readFromRadio(ctx, image);
    return finishRead(result, image);
}

Outcome RadioCommands::prepareWrite(RadioImage& image)
{
    lastOffer_ = {};
    // validate() commits the editors and shows the invalid-value bar.
    if (document_.validate() != 0) return Outcome::failure(MsgId::kInvalidValues);
    observer_.commitEditors();
    store_.pack();
    std::copy(store_.image().begin(), store_.image().end(), image.begin());
    keepBackup("write", image);
    return Outcome::success();
}

void RadioCommands::keepBackup(const char* kind, const RadioImage& image)
{
    lastBackup_ = {};
    if (!backups_) return;
    lastBackup_ = backups_->keep(kind, makeCodeplugHeader(settings_.model(), settings_.firmwareVersion()), image);
}

Outcome RadioCommands::finishWrite(const TransferResult& result, const RadioImage& image)
{
    if (!result.outcome.ok) {
        applyLearned(settings_, result, Takeover::PortOnly);
        return result.outcome;
    }
    applyLearned(settings_, result, Takeover::Write);
    offerBand(result.band);
    // Only the stamp changed on the way: take it and re-read the section
    // that holds it; every other section keeps its records.
    const auto stamp = image.begin() + Image::kStamp;
    std::copy(stamp, stamp + Image::kStampLength, store_.image().begin() + Image::kStamp);
    store_.mapper().unpackRadioInfo(store_);
    document_.absorbRadioChanges();
    observer_.statusChanged();
    return result.outcome;
}

Outcome RadioCommands::runWrite(SessionContext& ctx)
{
    RadioImage image{};
    Outcome prepared = prepareWrite(image);
    if (!prepared) return prepared;
    ctx.current = SessionBaseline::of(settings_);
    TransferResult result = writeToRadio(ctx, image);
    return finishWrite(result, image);
}

void RadioCommands::prepareTuneData(RadioImage& image)
{
    lastOffer_ = {};
    const MapEntry& area = mapEntry(Section::TuneData);
    std::copy_n(store_.tuneData.data(), std::min(area.length, store_.tuneData.size()),
                store_.image().begin() + static_cast<std::ptrdiff_t>(area.image));
    std::copy(store_.image().begin(), store_.image().end(), image.begin());
}

Outcome RadioCommands::finishTuneData(const TuningConnection& connection)
{
    applyLearned(settings_, connection.result, Takeover::Tuning);
    if (connection.result.identityAccepted) {
        // The radio became the current radio (same range: a tune-data
        // write refuses any other), perhaps under another model name.
        offerBand(connection.result.band);
        observer_.closeAllEditors();
        observer_.codeplugReplaced(document_.currentPath());
    }
    return connection.result.outcome;
}

Outcome RadioCommands::runWriteTuneData(CRadioLink& link, SessionContext& ctx)
{
    RadioImage image{};
    prepareTuneData(image);
    ctx.current = SessionBaseline::of(settings_);
    return finishTuneData(writeTuneData(link, ctx, image));
}

Outcome RadioCommands::finishAdjustment(const TuningConnection& connection)
{
    lastOffer_ = {};
    applyLearned(settings_, connection.result, Takeover::Tuning);
    if (!connection.result.identityAccepted) return connection.result.outcome;
    offerBand(connection.result.band);
    observer_.closeAllEditors();
    if (connection.rangeChanged) {
        // The channels and test frequencies of the old band mean nothing to
        // this radio: they start again from the new range's defaults.
        store_.resetBandSections(settings_.model());
        store_.pack();
        document_.invalidValues().clear();
        document_.noteEdit();
        observer_.listCountsChanged();
    }
    observer_.codeplugReplaced(document_.currentPath());
    return connection.result.outcome;
}

void RadioCommands::keepTuneData(std::span<const std::uint8_t> tuneData)
{
    if (tuneData.size() != store_.tuneData.size()) return;
    std::copy(tuneData.begin(), tuneData.end(), store_.tuneData.data());
    document_.noteEdit();
}
