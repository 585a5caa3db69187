#include "model/ChannelTexts.h"

#include "model/ChannelRecord.h"
#include "model/FreqBcd.h"
#include "model/FreqEntry.h"
#include "model/ToneWord.h"

namespace {

std::string optionText(const OptionItems& items, int listId, int value)
{
    for (const ListItem& item : items(listId))
        if (item.value == value) return item.text;
    return {};
}

// -1 for a text the list does not hold; its low bits then fill the field.
int optionValue(const OptionItems& items, int listId, const std::string& text)
{
    for (const ListItem& item : items(listId))
        if (item.text == text) return item.value;
    return -1;
}

constexpr std::uint8_t kEmptyStep = 15;

}  // namespace

ChannelTexts channelToTexts(const Record& r, const OptionItems& items)
{
    using namespace ChannelField;
    ChannelTexts t;
    t.spacing = optionText(items, ChannelLists::kSpacing, static_cast<int>(r.bits(SpacingPower, 0, 4)));
    t.power = optionText(items, ChannelLists::kPower, static_cast<int>(r.bits(SpacingPower, 4, 4)));
    const std::uint16_t rxTone = r.u16(RxTone), txTone = r.u16(TxTone);
    t.rxType = optionText(items, ChannelLists::kRxType, static_cast<int>(ToneWord::type(rxTone)));
    t.txType = optionText(items, ChannelLists::kTxType, static_cast<int>(ToneWord::type(txTone)));
    t.rxFreq = r.u32(RxFreq);
    t.txFreq = r.u32(TxFreq);
    t.rxCtcss = ToneWord::ctcssBoxText(rxTone);
    t.rxCdcss = ToneWord::cdcssBoxText(rxTone);
    t.txCtcss = ToneWord::ctcssBoxText(txTone);
    t.txCdcss = ToneWord::cdcssBoxText(txTone);
    t.rxStep = static_cast<std::uint8_t>(r.bits(Steps, 0, 4));
    t.txStep = static_cast<std::uint8_t>(r.bits(Steps, 4, 4));
    t.personality = r.u8(Personality);
    t.scanList = r.u8(ScanList);
    for (unsigned b = 0; b < t.flags20.size(); ++b) t.flags20[b] = r.bit(Flags, b) ? 1 : 0;
    for (unsigned b = 0; b < t.flags21.size(); ++b) t.flags21[b] = r.bit(Flags2, b) ? 1 : 0;
    return t;
}

bool channelFromTexts(Record& r, const ChannelTexts& t, const OptionItems& items, const FreqBand& band)
{
    using namespace ChannelField;
    auto low4 = [](int value) { return static_cast<unsigned>(value) & 0xFu; };
    r.setBits(SpacingPower, 0, 4, low4(optionValue(items, ChannelLists::kSpacing, t.spacing)));
    r.setBits(SpacingPower, 4, 4, low4(optionValue(items, ChannelLists::kPower, t.power)));

    auto withType = [](std::uint16_t word, int type) {
        return static_cast<std::uint16_t>((word & ~ToneWord::kTypeMask) | (static_cast<unsigned>(type) & 3u) << 14);
    };
    std::uint16_t rxTone = withType(r.u16(RxTone), optionValue(items, ChannelLists::kRxType, t.rxType));
    std::uint16_t txTone = withType(r.u16(TxTone), optionValue(items, ChannelLists::kTxType, t.txType));

    const std::uint32_t rx = clampWordToBand(t.rxFreq, band);
    const std::uint32_t tx = rx == FreqBcd::kEmpty ? FreqBcd::kEmpty : clampWordToBand(t.txFreq, band);
    const bool clamped = rx != t.rxFreq || (tx != t.txFreq && rx != FreqBcd::kEmpty);
    r.setU32(RxFreq, rx);
    r.setU32(TxFreq, tx);

    rxTone = ToneWord::write(rxTone, ToneWord::type(rxTone), t.rxCtcss, t.rxCdcss);
    txTone = ToneWord::write(txTone, ToneWord::type(txTone), t.txCtcss, t.txCdcss);
    r.setU16(RxTone, rxTone);
    r.setU16(TxTone, txTone);

    // An empty frequency has no step; keep the nibble the radio expects.
    r.setBits(Steps, 0, 4, rx == FreqBcd::kEmpty ? kEmptyStep : t.rxStep & 0xFu);
    r.setBits(Steps, 4, 4, tx == FreqBcd::kEmpty ? kEmptyStep : t.txStep & 0xFu);
    return clamped;
}

bool normaliseChannel(Record& r, const FreqBand& band)
{
    using namespace ChannelField;
    const std::uint32_t rxWas = r.u32(RxFreq), txWas = r.u32(TxFreq);
    const std::uint32_t rx = clampWordToBand(rxWas, band);
    const std::uint32_t tx = rx == FreqBcd::kEmpty ? FreqBcd::kEmpty : clampWordToBand(txWas, band);
    r.setU32(RxFreq, rx);
    r.setU32(TxFreq, tx);
    if (rx == FreqBcd::kEmpty) r.setBits(Steps, 0, 4, kEmptyStep);
    if (tx == FreqBcd::kEmpty) r.setBits(Steps, 4, 4, kEmptyStep);
    return rx != rxWas || (rx != FreqBcd::kEmpty && tx != txWas);
}

namespace {

std::string_view trimmedText(std::string_view t)
{
    while (!t.empty() && (t.front() == ' ' || t.front() == '\t')) t.remove_prefix(1);
    while (!t.empty() && (t.back() == ' ' || t.back() == '\t' || t.back() == '\r')) t.remove_suffix(1);
    return t;
}

// Digits with at most one decimal point ('.' or ','), at least one digit.
bool isDecimalText(std::string_view text)
{
    int digits = 0, points = 0;
    for (char c : trimmedText(text)) {
        if (c >= '0' && c <= '9') ++digits;
        else if (c == '.' || c == ',') ++points;
        else return false;
    }
    return digits > 0 && points <= 1;
}

}  // namespace

bool isFrequencyText(std::string_view text) { return isDecimalText(text); }
bool isCtcssText(std::string_view text) { return isDecimalText(text); }

bool isCdcssText(std::string_view text)
{
    const std::string_view t = trimmedText(text);
    if (t.empty() || t.size() > 3) return false;
    for (char c : t)
        if (c < '0' || c > '7') return false;
    return true;
}
