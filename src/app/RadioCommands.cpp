#include "app/RadioCommands.h"

#include "app/DocumentService.h"
#include "model/CCodeplugData.h"
#include "model/MemoryMap.h"
#include "model/NewRangeOffer.h"
#include "settings/SettingsManager.h"
#include "settings/TextIds.h"

#include <algorithm>

RadioCommands::RadioCommands(DocumentService& document, CCodeplugData& store, CSettingsManager& settings,
                             IPrompt& prompt, IDocumentObserver& observer)
    : document_(document), store_(store), settings_(settings), prompt_(prompt), observer_(observer)
{
}

Outcome RadioCommands::finishRead(const TransferResult& result, const RadioImage& image)
{
    if (!result.outcome.ok) return result.outcome;
    document_.clearCurrentPath();
    observer_.titleChanged("");
    offerNewRange(result.band, document_.ranges(), settings_, prompt_);
    document_.ranges().load(settings_);
    std::copy(image.begin(), image.end(), store_.image().begin());
    observer_.closeAllEditors();
    store_.unpack();
    observer_.codeplugReplaced("");
    return result.outcome;
}

Outcome RadioCommands::runRead(SessionContext& ctx)
{
    RadioImage image{};
    TransferResult result = readFromRadio(ctx, image);
    return finishRead(result, image);
}

Outcome RadioCommands::prepareWrite(RadioImage& image)
{
    if (document_.validate() != 0) {
        observer_.showInvalidValues();
        return Outcome::failure(MsgId::kInvalidValues);
    }
    observer_.commitEditors();
    store_.pack();
    std::copy(store_.image().begin(), store_.image().end(), image.begin());
    return Outcome::success();
}

Outcome RadioCommands::finishWrite(const TransferResult& result, const RadioImage& image)
{
    if (!result.outcome.ok) return result.outcome;
    offerNewRange(result.band, document_.ranges(), settings_, prompt_);
    document_.ranges().load(settings_);
    // Only the stamp changed on the way: take it and re-read the section
    // that holds it; every other section keeps its records.
    const std::size_t at = 32;
    std::copy(image.begin() + at, image.begin() + at + 8, store_.image().begin() + at);
    store_.mapper().unpackRadioInfo(store_);
    observer_.statusChanged();
    return result.outcome;
}

Outcome RadioCommands::runWrite(SessionContext& ctx)
{
    RadioImage image{};
    Outcome prepared = prepareWrite(image);
    if (!prepared) return prepared;
    TransferResult result = writeToRadio(ctx, image);
    return finishWrite(result, image);
}

Outcome RadioCommands::runWriteTuneData(CRadioLink& link, SessionContext& ctx)
{
    const MapEntry& area = mapEntry(Section::TuneData);
    std::copy_n(store_.tuneData.data(), std::min(area.length, store_.tuneData.size()),
                store_.image().begin() + static_cast<std::ptrdiff_t>(area.image));
    RadioImage image{};
    std::copy(store_.image().begin(), store_.image().end(), image.begin());
    TuningConnection tc = writeTuneData(link, ctx, image);
    if (tc.result.identityAccepted) {
        // The radio became the current radio (same range: a tune-data
        // write refuses any other).
        document_.ranges().load(settings_);
        observer_.closeAllEditors();
        observer_.statusChanged();
    }
    return tc.result.outcome;
}
