// The channels as the channel pages show them: the page's channel editor
// reads and writes a channel through the same conversion as the desktop
// program's channel pages (option texts, tone boxes, frequencies clamped
// to the band, step codes).
#include "web/WebProgram.h"

#include "app/DocumentService.h"
#include "model/ChannelRecord.h"
#include "model/ChannelTexts.h"
#include "model/FreqBcd.h"
#include "model/FreqEntry.h"
#include "model/ToneWord.h"
#include "settings/SettingsManager.h"
#include "settings/TextIds.h"

namespace {

// Which tone box of a tone word is in use: the page enables that one, as
// the desktop program does.
const char* toneKind(std::uint16_t word)
{
    const unsigned type = ToneWord::type(word);
    if (type == ToneWord::kTypeCtcss) return "ctcss";
    return ToneWord::isCdcssType(type) ? "cdcss" : "none";
}

Json channelJson(const Record& record, const ChannelTexts& t)
{
    Json j{{"rxFrequency", FreqBcd::text(t.rxFreq)}, {"rxType", t.rxType},
                {"rxCtcss", t.rxCtcss},                   {"rxCdcss", t.rxCdcss},
                {"txFrequency", FreqBcd::text(t.txFreq)}, {"txType", t.txType},
                {"txCtcss", t.txCtcss},                   {"txCdcss", t.txCdcss},
                {"spacing", t.spacing},                   {"power", t.power},
                {"personality", t.personality},           {"scanList", t.scanList}};
    j["rxTone"] = toneKind(record.u16(ChannelField::RxTone));
    j["txTone"] = toneKind(record.u16(ChannelField::TxTone));
    return j;
}

// The text of `key` when the page sent one.
bool textOf(const Json& in, const char* key, std::string& out)
{
    const auto it = in.find(key);
    if (it == in.end() || !it->is_string()) return false;
    out = it->get<std::string>();
    return true;
}

}  // namespace

Json WebProgram::channels() const
{
    const LanguageFile& language = root_.settings().language();
    const OptionItems items = [&language](int id) { return language.comboItems(id); };
    Json out = Json::array();
    for (const auto& item : root_.store().channels) out.push_back(channelJson(item.record, channelToTexts(item.record, items)));
    return out;
}

Json WebProgram::setChannel(int index, const Json& in)
{
    auto& list = root_.store().channels;
    if (index < 0 || static_cast<std::size_t>(index) >= list.size() || !in.is_object())
        return outcome(Outcome::failure(MsgId::kNotAChoice));
    Record& record = list[static_cast<std::size_t>(index)].record;
    const LanguageFile& language = root_.settings().language();
    const OptionItems items = [&language](int id) { return language.comboItems(id); };
    const FreqBand band = FreqBand::of(root_.settings().model());
    ChannelTexts t = channelToTexts(record, items);

    // Every text is checked before anything is written, as a page's
    // controls only ever hold what they accept.
    std::string text;
    int notice = 0;
    auto frequency = [&](const char* key, std::uint32_t& word, std::uint8_t& step) -> int {
        if (!textOf(in, key, text)) return 0;
        if (!text.empty() && !isFrequencyText(text)) return MsgId::kNotAFrequency;
        const FreqEntry e = readDialogFreq(text, band, true);
        word = e.word;
        step = e.step;
        if (e.notice) notice = e.notice;
        return 0;
    };
    auto tone = [&](const char* key, std::string& into, bool ctcss) -> int {
        if (!textOf(in, key, text)) return 0;
        if (!(ctcss ? isCtcssText(text) : isCdcssText(text))) return ctcss ? MsgId::kNotACtcssTone : MsgId::kNotACdcssCode;
        into = text;
        return 0;
    };
    auto option = [&](const char* key, int listId, std::string& into) -> int {
        if (!textOf(in, key, text)) return 0;
        for (const ListItem& item : items(listId))
            if (item.text == text) {
                into = text;
                return 0;
            }
        return MsgId::kNotAChoice;
    };
    int refused = 0;
    for (int r : {frequency("rxFrequency", t.rxFreq, t.rxStep), frequency("txFrequency", t.txFreq, t.txStep),
                  tone("rxCtcss", t.rxCtcss, true), tone("rxCdcss", t.rxCdcss, false),
                  tone("txCtcss", t.txCtcss, true), tone("txCdcss", t.txCdcss, false),
                  option("rxType", ChannelLists::kRxType, t.rxType), option("txType", ChannelLists::kTxType, t.txType),
                  option("spacing", ChannelLists::kSpacing, t.spacing), option("power", ChannelLists::kPower, t.power)})
        if (!refused) refused = r;
    if (refused) return outcome(Outcome::failure(refused));

    if (channelFromTexts(record, t, items, band)) notice = MsgId::kFreqOutOfBand;
    root_.document().noteEdit();
    Json out = notice ? outcome(Outcome::failure(notice)) : outcome(Outcome::success());
    out["ok"] = true;  // a clamped frequency is taken, with its notice
    out["channel"] = channelJson(record, channelToTexts(record, items));
    return out;
}

Json WebProgram::addChannel()
{
    CCodeplugData& store = root_.store();
    if (store.channels.size() >= CCodeplugData::kEditorChannelLimit || !store.addChannel(root_.settings().model()))
        return outcome(Outcome::failure(0));
    root_.document().noteEdit();
    return outcome(Outcome::success());
}

Json WebProgram::deleteChannel(int index)
{
    CCodeplugData& store = root_.store();
    // The radio always keeps one channel.
    if (store.channels.size() <= 1 || index < 0 || !store.deleteChannel(static_cast<std::size_t>(index)))
        return outcome(Outcome::failure(0));
    root_.document().noteEdit();
    return outcome(Outcome::success());
}
