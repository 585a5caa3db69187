#include "app/ReportBlocks.h"

#include "model/SectionFields.h"
#include "settings/LanguageFile.h"

#include <climits>
#include <cstdio>
#include <stdexcept>

namespace ReportBlock {

namespace {

// The channel editor's auto-start-scan list: the words a check box reads as.
constexpr int kOffOnList = 3708;

const FieldDesc& field(Section section, const char* name)
{
    const FieldDesc* f = findField(section, name);
    // A name missing from the schema is a fault in a row builder's table,
    // found by the tests that build every section.
    if (!f) throw std::logic_error(std::string("report: no field ") + name);
    return *f;
}

}  // namespace

std::string caption(const ReportSource& source, int id) { return source.language.caption(id); }

std::string text(const ReportSource& source, ReportText::Text t)
{
    if (auto found = source.language.findCaption(t.id)) return *found;
    return t.builtIn;
}

std::string numbered(const std::string& format, unsigned number)
{
    std::string out = format;
    const auto at = out.find("%u");
    if (at == std::string::npos) return out + " " + std::to_string(number);
    return out.replace(at, 2, std::to_string(number));
}

std::string recordLabel(const std::string& label, unsigned number) { return label + " - " + std::to_string(number); }

void addTitle(ReportRows& rows, const std::string& name)
{
    rows.push_back(equalRow(RowStyle::kTitle, {"", name, ""}));
    rows.push_back(equalRow(RowStyle::kTitle, {"", "", ""}));
}

void addHeading(ReportRows& rows, const std::string& heading)
{
    rows.push_back(equalRow(RowStyle::kHeader, {heading}));
}

void addSetting(ReportRows& rows, const std::string& label, const std::string& value)
{
    rows.push_back(weightedRow(RowStyle::kData, {label, value}, {2, 3}));
}

void addClosing(ReportRows& rows) { rows.push_back(equalRow(RowStyle::kData, {"", "", "", ""})); }

std::string option(const ReportSource& source, int listId, long long value)
{
    if (value < INT_MIN || value > INT_MAX) return {};
    return source.language.textForValue(listId, static_cast<int>(value));
}

std::string check(const ReportSource& source, bool on)
{
    const std::string shown = source.language.textForValue(kOffOnList, on ? 1 : 0);
    if (!shown.empty()) return shown;
    return on ? "On" : "Off";
}

std::string fieldOption(const ReportSource& source, const Record& record, Section section, const char* name)
{
    const FieldDesc& f = field(section, name);
    return option(source, f.listId, static_cast<long long>(fieldValue(record, f)));
}

std::string fieldCheck(const ReportSource& source, const Record& record, Section section, const char* name,
                       bool inverted)
{
    const bool set = fieldValue(record, field(section, name)) != 0;
    return check(source, set != inverted);
}

long long fieldNumber(const Record& record, Section section, const char* name)
{
    return static_cast<long long>(fieldValue(record, field(section, name)));
}

}  // namespace ReportBlock
