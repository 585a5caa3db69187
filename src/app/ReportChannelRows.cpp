// The channel block: two title rows, three heading rows of twelve columns,
// one row per channel and a closing row.
#include "app/ReportBlocks.h"
#include "app/ReportSections.h"
#include "model/CCodeplugData.h"
#include "model/ChannelTexts.h"
#include "model/FreqBcd.h"
#include "model/ToneWord.h"
#include "settings/LanguageFile.h"

namespace {

using namespace ReportBlock;
namespace T = ReportText;

// The print lists of spacing and power; they word the values as the
// channel editor's own lists do.
constexpr int kPrintSpacingList = 3664;
constexpr int kPrintPowerList = 3673;
constexpr int kNoScanList = 807;
constexpr int kAutoStartScanList = 3708;

// In proportion to the longest heading or value of each column in the
// report's fonts, so that on A4 paper every one fits its cell.
const std::vector<int> kWeights{160, 162, 124, 206, 224, 154, 206, 224, 154, 222, 102, 102};

std::string toneText(const std::string& type, std::uint16_t word, const std::string& ctcss, const std::string& cdcss)
{
    if (type.empty()) return {};
    const unsigned kind = ToneWord::type(word);
    if (kind == ToneWord::kTypeCtcss) return ctcss;
    if (ToneWord::isCdcssType(kind)) return cdcss;
    return {};
}

}  // namespace

void buildChannelRows(const ReportSource& src, ReportRows& rows)
{
    addTitle(rows, caption(src, ReportSectionId::kChannels));
    auto h = [&src](T::Text t) { return text(src, t); };
    rows.push_back(weightedRow(RowStyle::kHeader,
                               {h(T::kChannel), h(T::kChannel), h(T::kPower), h(T::kRx), h(T::kRx), h(T::kRx),
                                h(T::kTx), h(T::kTx), h(T::kTx), h(T::kPersonality), h(T::kScan), h(T::kAuto)},
                               kWeights));
    rows.push_back(weightedRow(RowStyle::kHeader,
                               {h(T::kNumber), h(T::kSpacing), h(T::kLevel), h(T::kFrequency), h(T::kType),
                                h(T::kCtcss), h(T::kFrequency), h(T::kType), h(T::kCtcss), h(T::kList), h(T::kList),
                                h(T::kStart)},
                               kWeights));
    rows.push_back(weightedRow(RowStyle::kHeader,
                               {"", "", "", h(T::kMHz), "", h(T::kCdcss), h(T::kMHz), "", h(T::kCdcss), "", "",
                                h(T::kScan)},
                               kWeights));

    const OptionItems items = [&src](int listId) {
        if (listId == ChannelLists::kSpacing) listId = kPrintSpacingList;
        if (listId == ChannelLists::kPower) listId = kPrintPowerList;
        return src.language.comboItems(listId);
    };
    const CCodeplugData& store = src.store;
    for (std::size_t i = 0; i < store.channels.size(); ++i) {
        const ChannelItem& ch = store.channels[i];
        const ChannelTexts t = channelToTexts(ch.record, items);
        const std::uint16_t rxTone = ch.record.u16(ChannelField::RxTone);
        const std::uint16_t txTone = ch.record.u16(ChannelField::TxTone);
        const int personality = store.personalities.indexOfId(ch.personalityId);
        // No scan list reads "None"; a number that names no scan list
        // prints empty, like a personality that is not there.
        const bool noScan = ch.record.u8(ChannelField::ScanList) == 0;
        const int scan = store.scanLists.indexOfId(ch.scanListId);
        rows.push_back(weightedRow(
            RowStyle::kData,
            {"CH " + std::to_string(i + 1), t.spacing, t.power, FreqBcd::text(t.rxFreq), t.rxType,
             toneText(t.rxType, rxTone, t.rxCtcss, t.rxCdcss), FreqBcd::text(t.txFreq), t.txType,
             toneText(t.txType, txTone, t.txCtcss, t.txCdcss),
             personality < 0 ? std::string() : std::to_string(personality + 1),
             noScan ? caption(src, kNoScanList) : scan < 0 ? std::string() : std::to_string(scan + 1),
             option(src, kAutoStartScanList, t.flags20[ChannelField::AutoStartScanBit])},
            kWeights));
    }
    addClosing(rows);
}
