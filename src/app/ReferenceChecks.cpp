#include "app/ReferenceChecks.h"

#include "model/CCodeplugData.h"
#include "settings/TextIds.h"

#include <cstdio>

namespace {

// The sixteen member boxes of the scan editor (controls 3873-3888).
constexpr int kScanMemberBox1 = 3873;

std::string position(const char* format, std::size_t index)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, format, static_cast<unsigned>(index + 1));
    return buf;
}

// "<editor> - n: <page>", the place of a value on a tabbed editor.
std::string pagePlace(const CaptionLookup& caption, int editor, std::size_t index, int page)
{
    return caption(editor) + position(" - %u: ", index) + caption(page);
}

void checkChannels(const CCodeplugData& s, InvalidValueList& list, const CaptionLookup& caption)
{
    for (std::size_t i = 0; i < s.channels.size(); ++i) {
        const ChannelItem& ch = s.channels[i];
        const std::string place = pagePlace(caption, CapId::kChannelView, i, CapId::kChannelMiscPage);
        if (!s.personalities.findById(ch.personalityId))
            list.add({invalidEntryKey(ch.id, CapId::kChannelPersonalityBox), CapId::kChannelPersonalityBox,
                      caption(CapId::kChannelPersonalityInvalid), place});
        if (ch.scanListId != 0 && !s.scanLists.findById(ch.scanListId))
            list.add({invalidEntryKey(ch.id, CapId::kChannelScanBox), CapId::kChannelScanBox,
                      caption(CapId::kChannelScanInvalid), place});
    }
}

void checkScanLists(const CCodeplugData& s, InvalidValueList& list, const CaptionLookup& caption)
{
    for (std::size_t i = 0; i < s.scanLists.size(); ++i) {
        const ScanItem& scan = s.scanLists[i];
        const int used = std::min<int>(scan.record.u8(ScanField::Entries), ScanField::kMemberCount);
        for (int k = 0; k < used; ++k) {
            if (s.channels.findById(scan.memberIds[static_cast<std::size_t>(k)])) continue;
            const int control = kScanMemberBox1 + k;
            list.add({invalidEntryKey(scan.id, control), control, caption(CapId::kScanMemberLabel1 + k),
                      pagePlace(caption, CapId::kScanView, i, CapId::kScanChannelPage)});
        }
    }
}

void checkTwoToneSystems(const CCodeplugData& s, InvalidValueList& list, const CaptionLookup& caption)
{
    for (std::size_t i = 0; i < s.twoToneSystems.size(); ++i) {
        const TwoToneSystemItem& sys = s.twoToneSystems[i];
        for (int k = 0; k < TwoToneSystemField::kDecodeCount; ++k) {
            const unsigned number = sys.record.bits(TwoToneSystemField::decodeAlert(k), 0, 4);
            if (number == 0 || s.alertTones.findById(sys.alertToneIds[static_cast<std::size_t>(k)])) continue;
            const int control = CapId::kTwoToneAlertBox1 + k;
            list.add({invalidEntryKey(sys.id, control), control, caption(CapId::kTwoToneAlertInvalid),
                      caption(CapId::kTwoToneSystemView) + position(" - %u", i)});
        }
    }
}

// A personality that selects two-tone signalling must name an existing
// two-tone system.
void checkPersonalities(const CCodeplugData& s, InvalidValueList& list, const CaptionLookup& caption)
{
    using namespace PersonalityField;
    for (std::size_t i = 0; i < s.personalities.size(); ++i) {
        const PersonalityItem& p = s.personalities[i];
        const std::string place = pagePlace(caption, CapId::kPersonalityView, i, CapId::kPersonalitySignalPage);
        struct Side { Offset byte; int systemId; int control; int label; };
        for (const Side side : {Side{RxSignal, p.rxSystemId, CapId::kPersonalityRxSignalling, CapId::kPersonalityRxSystemLabel},
                                Side{TxSignal, p.txSystemId, CapId::kPersonalityTxSignalling, CapId::kPersonalityTxSystemLabel}}) {
            if (p.record.bits(side.byte, SignalTypeLo, SignalTypeBits) != kSignalTwoTone) continue;
            if (s.twoToneSystems.findById(side.systemId)) continue;
            list.add({invalidEntryKey(p.id, side.control), side.control, caption(side.label), place});
        }
    }
}

}  // namespace

void checkReferences(const CCodeplugData& store, InvalidValueList& list, const CaptionLookup& caption)
{
    checkChannels(store, list, caption);
    checkScanLists(store, list, caption);
    checkTwoToneSystems(store, list, caption);
    checkPersonalities(store, list, caption);
}

std::size_t validateAll(const CCodeplugData& store, InvalidValueList& list, const CaptionLookup& caption)
{
    list.clear();
    checkReferences(store, list, caption);
    return list.size();
}
