#include "cli/CodeplugDiff.h"

#include "cli/CodeplugDump.h"
#include "cli/TextOut.h"
#include "model/CCodeplugData.h"
#include "model/FieldTable.h"

#include <cstdio>

namespace {

std::string valueText(const Record& r, const FieldDesc& f, const OptionText& option)
{
    std::string text = printable(fieldText(r, f));
    if (f.listId != 0 && option) {
        const std::string name = option(f.listId, static_cast<int>(fieldValue(r, f)));
        if (!name.empty()) text += " (" + printable(name) + ")";
    }
    return text;
}

std::string recordName(const SectionRecords& sec, std::size_t index, bool numbered)
{
    std::string name = sec.info->name;
    if (numbered) name += "[" + std::to_string(index + 1) + "]";
    return name;
}

void diffHeaders(const CodeplugSide& a, const CodeplugSide& b, std::vector<std::string>& lines)
{
    const auto ha = headerJson(a.file->header);
    const auto hb = headerJson(b.file->header);
    for (auto it = ha.begin(); it != ha.end(); ++it) {
        const auto other = hb.find(it.key());
        if (other != hb.end() && *other == it.value()) continue;
        // Header texts come from the file: bytes that are not UTF-8 are
        // shown replaced rather than failing the whole diff.
        auto shown = [](const nlohmann::ordered_json& v) {
            return v.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
        };
        lines.push_back("header." + it.key() + ": " + shown(it.value()) + " -> " +
                        (other == hb.end() ? std::string("(none)") : shown(*other)));
    }
    if (a.file->info != b.file->info)
        lines.push_back("info: \"" + printable(a.file->info) + "\" -> \"" + printable(b.file->info) + "\"");
}

void diffSections(const CodeplugSide& a, const CodeplugSide& b, const OptionText& option, std::vector<std::string>& lines)
{
    const auto sa = storeSections(*a.store);
    const auto sb = storeSections(*b.store);
    for (std::size_t s = 0; s < sa.size() && s < sb.size(); ++s) {
        const SectionRecords& ra = sa[s];
        const SectionRecords& rb = sb[s];
        const bool numbered = ra.records.size() > 1 || rb.records.size() > 1 || ra.info->section == Section::Channels;
        const std::size_t n = std::max(ra.records.size(), rb.records.size());
        for (std::size_t i = 0; i < n; ++i) {
            const std::string name = recordName(ra, i, numbered);
            if (i >= ra.records.size()) {
                lines.push_back(name + ": only in the second file");
                continue;
            }
            if (i >= rb.records.size()) {
                lines.push_back(name + ": only in the first file");
                continue;
            }
            const Record& x = *ra.records[i];
            const Record& y = *rb.records[i];
            if (x == y) continue;
            for (const FieldDesc& f : ra.info->fields()) {
                const std::string vx = valueText(x, f, option);
                const std::string vy = valueText(y, f, option);
                const auto bx = x.bytes(f.offset, fieldWidth(f));
                const auto by = y.bytes(f.offset, fieldWidth(f));
                if (vx == vy && std::equal(bx.begin(), bx.end(), by.begin())) continue;
                lines.push_back(name + "." + f.name + ": " + vx + " -> " + vy);
            }
        }
    }
}

}  // namespace

std::string imageChangeLine(std::size_t offset, std::uint8_t before, std::uint8_t after)
{
    char buf[48];
    std::snprintf(buf, sizeof buf, "$E.0x%X:%.2X->%.2X", static_cast<unsigned>(offset), static_cast<unsigned>(before),
                  static_cast<unsigned>(after));
    return buf;
}

std::vector<std::string> codeplugDifferences(const CodeplugSide& a, const CodeplugSide& b, const OptionText& option)
{
    std::vector<std::string> lines;
    diffHeaders(a, b, lines);
    diffSections(a, b, option, lines);
    const auto& ia = a.store->image();
    const auto& ib = b.store->image();
    for (std::size_t i = 0; i < ia.size(); ++i)
        if (ia[i] != ib[i]) lines.push_back(imageChangeLine(i, ia[i], ib[i]));
    return lines;
}
