// The channel table of the page: the desktop program's channel grid (its
// columns, cells and rules) over the store's channels.
#include "web/WebProgram.h"

#include "app/ChannelGridTable.h"
#include "app/DocumentService.h"
#include "app/RecordCells.h"
#include "model/ChannelTexts.h"
#include "settings/SettingsManager.h"
#include "settings/TextIds.h"

namespace {

constexpr int kPersonalityHeading = 3702;
constexpr int kScanHeading = 3705;
constexpr int kNoScanList = 3706;

bool listed(const TableColumn& c)
{
    return c.cell == CellKind::Option || c.cell == CellKind::Choice || c.cell == CellKind::ToneType;
}

const char* kindName(CellKind kind)
{
    switch (kind) {
    case CellKind::Option:
    case CellKind::Choice:
    case CellKind::ToneType: return "list";
    case CellKind::Inert: return "inert";
    default: return "text";
    }
}

}  // namespace

RecordCells::Items WebProgram::gridItems(const TableColumn& column) const
{
    if (column.cell != CellKind::Choice) return root_.settings().language().comboItems(column.listId);
    // The grid's own choices, as the desktop channel list offers them:
    // personalities by their position from 1, scan lists after "none".
    RecordCells::Items items;
    const CCodeplugData& store = root_.store();
    if (column.headingId == kPersonalityHeading) {
        for (std::size_t i = 0; i < store.personalities.size(); ++i)
            items.push_back({static_cast<int>(i), std::to_string(i + 1)});
    } else if (column.headingId == kScanHeading) {
        const std::string none = root_.settings().caption(kNoScanList);
        items.push_back({0, none.empty() ? std::string("None") : none});
        for (std::size_t i = 0; i < store.scanLists.size(); ++i)
            items.push_back({static_cast<int>(i + 1), std::to_string(i + 1)});
    }
    return items;
}

Json WebProgram::gridRow(const Record& record) const
{
    const TableConfig config = ChannelGridTable::config();
    Json cells = Json::array();
    for (const TableColumn& c : config.columns) {
        const FieldDesc* f = config.field(c.field);
        if (!f) {
            cells.push_back(nullptr);
            continue;
        }
        const RecordCells::Items items = listed(c) ? gridItems(c) : RecordCells::Items{};
        cells.push_back(Json{{"text", RecordCells::text(record, *f, c, items)},
                             {"editable", RecordCells::editable(record, *f, c)}});
    }
    return cells;
}

Json WebProgram::channelGrid() const
{
    const TableConfig config = ChannelGridTable::config();
    Json columns = Json::array();
    for (const TableColumn& c : config.columns) {
        const std::string heading = root_.settings().caption(c.headingId);
        Json column{{"heading", heading.empty() ? std::string(c.builtIn) : heading},
                    {"field", c.field},
                    {"kind", kindName(c.cell)}};
        if (listed(c)) {
            Json items = Json::array();
            for (const ListItem& item : gridItems(c)) items.push_back(item.text);
            column["items"] = items;
        }
        columns.push_back(column);
    }
    Json rows = Json::array();
    for (const auto& item : root_.store().channels) rows.push_back(gridRow(item.record));
    return Json{{"columns", columns}, {"rows", rows}};
}

Json WebProgram::setChannelCell(int row, int column, const std::string& text)
{
    const TableConfig config = ChannelGridTable::config();
    auto& list = root_.store().channels;
    if (row < 0 || static_cast<std::size_t>(row) >= list.size() || column < 0 ||
        static_cast<std::size_t>(column) >= config.columns.size())
        return outcome(Outcome::failure(MsgId::kNotAChoice));
    const TableColumn& c = config.columns[static_cast<std::size_t>(column)];
    const FieldDesc* field = config.field(c.field);
    if (!field) return outcome(Outcome::failure(MsgId::kNotAChoice));
    Record& record = list[static_cast<std::size_t>(row)].record;
    const FreqBand band = FreqBand::of(root_.settings().model());
    const FieldDesc* stepField = c.stepField ? config.field(c.stepField) : nullptr;
    const RecordCells::Written w = RecordCells::writeText(record, *field, c, text,
                                                          listed(c) ? gridItems(c) : RecordCells::Items{}, band, stepField);
    Json out;
    if (w.refused != 0) {
        out = outcome(Outcome::failure(w.refused));
    } else {
        // Whatever a cell changed, the channel keeps its frequencies in the
        // band and no transmit frequency without a receive one.
        normaliseChannel(record, band);
        root_.document().noteEdit();
        out = w.clamped ? outcome(Outcome::failure(MsgId::kFreqOutOfBand)) : outcome(Outcome::success());
        out["ok"] = true;  // a clamped frequency is taken, with its notice
    }
    out["row"] = gridRow(record);
    return out;
}
