#include "app/RecordCells.h"

#include "model/ChannelStep.h"
#include "model/ChannelTexts.h"
#include "model/DigitBcd.h"
#include "model/FreqBcd.h"
#include "model/ToneWord.h"
#include "settings/TextIds.h"

namespace RecordCells {

namespace {

std::string itemText(const Items& items, int value)
{
    for (const ListItem& item : items)
        if (item.value == value) return item.text;
    return {};
}

std::uint32_t valueOf(const Record& record, const FieldDesc& field)
{
    return static_cast<std::uint32_t>(fieldValue(record, field));
}

std::uint16_t toneOf(const Record& record, const FieldDesc& field)
{
    return static_cast<std::uint16_t>(fieldValue(record, field));
}

std::string_view trimmed(std::string_view s)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!s.empty() && blank(s.front())) s.remove_prefix(1);
    while (!s.empty() && blank(s.back())) s.remove_suffix(1);
    return s;
}

// The record keeps one byte per character: characters beyond Latin-1 become
// '?', as the desktop program's text conversion makes them.
std::string latin1Of(std::string_view utf8)
{
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        const std::size_t len = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 1;
        unsigned code = len == 1 ? c : c & (0x7Fu >> len);
        for (std::size_t k = 1; k < len && i + k < utf8.size(); ++k)
            code = code << 6 | (static_cast<unsigned char>(utf8[i + k]) & 0x3Fu);
        out.push_back(code <= 0xFF ? static_cast<char>(code) : '?');
        i += len;
    }
    return out;
}

}  // namespace

std::string text(const Record& record, const FieldDesc& field, const TableColumn& column, const Items& items)
{
    switch (column.cell) {
    case CellKind::Freq: {
        const std::uint32_t word = valueOf(record, field);
        // Both the zero word and the empty word are no frequency.
        return word == 0 || word == FreqBcd::kEmpty ? std::string() : FreqBcd::text(word);
    }
    case CellKind::GridFreq: {
        // The stored frequency as it is: a 2.5 kHz frequency typed into
        // the grid is shown as typed, not lowered to the 12.5 kHz grid.
        const std::uint32_t word = valueOf(record, field);
        return word == FreqBcd::kEmpty ? std::string() : FreqBcd::text(word);
    }
    case CellKind::Option:
    case CellKind::Choice: return itemText(items, static_cast<int>(valueOf(record, field)));
    case CellKind::ToneType: return itemText(items, static_cast<int>(ToneWord::type(toneOf(record, field))));
    case CellKind::Ctcss: return ToneWord::ctcssBoxText(toneOf(record, field));
    case CellKind::Cdcss: return ToneWord::cdcssBoxText(toneOf(record, field));
    default: return fieldText(record, field);
    }
}

bool editable(const Record& record, const FieldDesc& field, const TableColumn& column)
{
    if (column.cell == CellKind::Inert) return false;
    if (column.cell != CellKind::Ctcss && column.cell != CellKind::Cdcss) return true;
    const unsigned type = ToneWord::type(toneOf(record, field));
    return column.cell == CellKind::Ctcss ? type == ToneWord::kTypeCtcss : ToneWord::isCdcssType(type);
}

Written writeValue(Record& record, const FieldDesc& field, const TableColumn& column, int value, const Items& items)
{
    if (!editable(record, field, column)) return {MsgId::kNotAChoice};
    // A value the list does not offer changes nothing.
    bool offered = false;
    for (const ListItem& item : items) offered = offered || item.value == value;
    if (!offered) return {MsgId::kNotAChoice};
    if (column.cell == CellKind::ToneType) {
        // Only the type changes: the tone value stays until a tone of the new type is chosen.
        const std::uint16_t word = toneOf(record, field);
        setFieldValue(record, field, (word & ~ToneWord::kTypeMask) | (static_cast<unsigned>(value) & 3u) << 14);
    } else {
        setFieldValue(record, field, static_cast<std::uint32_t>(value));
    }
    return {};
}

Written writeText(Record& record, const FieldDesc& field, const TableColumn& column, std::string_view typed,
                  const Items& items, const FreqBand& band, const FieldDesc* stepField)
{
    if (!editable(record, field, column)) return {MsgId::kNotAChoice};
    const std::string t(trimmed(typed));
    switch (column.cell) {
    case CellKind::Option:
    case CellKind::Choice:
    case CellKind::ToneType:
        for (const ListItem& item : items)
            if (item.text == t) return writeValue(record, field, column, item.value, items);
        return {MsgId::kNotAChoice};
    case CellKind::Freq: {
        // Empty is no frequency; anything else goes on its step grid, and
        // the step code it was put on is stored beside it.
        if (!t.empty() && !isFrequencyText(t)) return {MsgId::kNotAFrequency};
        StepResult step{0, 0};
        if (!t.empty()) step = classifyDialogStep(FreqBcd::parseUnits(t));
        setFieldValue(record, field, t.empty() ? 0 : FreqBcd::fromUnits(step.units));
        if (stepField) setFieldValue(record, *stepField, step.code);
        return {};
    }
    case CellKind::GridFreq: {
        if (!t.empty() && !isFrequencyText(t)) return {MsgId::kNotAFrequency};
        const FreqEntry e = readGridFreq(t, band, true);
        setFieldValue(record, field, e.word);
        if (stepField) setFieldValue(record, *stepField, stepCodeOfGridClass(e.step));
        return {0, e.notice != 0};
    }
    case CellKind::Ctcss:
    case CellKind::Cdcss: {
        const bool ctcss = column.cell == CellKind::Ctcss;
        if (ctcss ? !isCtcssText(t) : !isCdcssText(t)) return {ctcss ? MsgId::kNotACtcssTone : MsgId::kNotACdcssCode};
        const std::uint16_t word = toneOf(record, field);
        const std::string other = ctcss ? ToneWord::cdcssBoxText(word) : ToneWord::ctcssBoxText(word);
        setFieldValue(record, field, ToneWord::write(word, ToneWord::type(word), ctcss ? t : other, ctcss ? other : t));
        return {};
    }
    case CellKind::Text: record.setText(field.offset, field.length, latin1Of(t), '\0'); return {};
    case CellKind::Digits: {
        std::vector<std::uint8_t> bytes(field.length);
        DigitBcd::pack(t, bytes);
        record.setBytes(field.offset, bytes);
        return {};
    }
    default: return {MsgId::kNotAChoice};
    }
}

}  // namespace RecordCells
