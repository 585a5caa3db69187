#include "web/WebProgram.h"

#include "app/ChannelCsv.h"
#include "app/ChannelReplace.h"
#include "app/CodeplugJson.h"
#include "app/DocumentService.h"
#include "app/JsonFieldCodec.h"
#include "app/RadioCommands.h"
#include "model/CodeplugFile.h"
#include "model/StoreSections.h"
#include "settings/TextIds.h"
#include "settings/FileIO.h"
#include "settings/ProgramDirectory.h"
#include "settings/SettingsManager.h"

#include <cstdio>

namespace {

// Where the page's files live while a procedure reads or writes them.
constexpr const char* kWorkDir = "/work";

OptionNames namesOf(const LanguageFile& language)
{
    return {[&language](int list, int value) { return language.textForValue(list, value); },
            [&language](int list, std::string_view text) { return language.valueForText(list, text); }};
}

// A file name the page gave, without folders.
std::string baseName(const std::string& name)
{
    const auto slash = name.find_last_of("/\\");
    std::string base = slash == std::string::npos ? name : name.substr(slash + 1);
    return base.empty() || base == "." || base == ".." ? std::string("codeplug.dat") : base;
}

Json listOf(const std::vector<std::string>& texts)
{
    Json out = Json::array();
    for (const std::string& t : texts) out.push_back(t);
    return out;
}

}  // namespace

WebProgram::WebProgram(const std::string& programDir)
    : root_(programDir), ports_([this]() -> const ModelValues& { return root_.settings().model(); })
{
    root_.compose(prompt_);
    root_.settings().loadStartupLanguage();
    root_.document().recentFiles() = RecentFiles();
    makeDirectories(kWorkDir);
    root_.document().newDocument();
}

WebProgram::~WebProgram() = default;

std::string WebProgram::tempPath(const std::string& name) const
{
    return std::string(kWorkDir) + "/" + baseName(name);
}

Json WebProgram::outcome(const Outcome& o) const
{
    const OutcomeText t = root_.text(o);
    return Json{{"ok", o.ok}, {"message", t.text}, {"details", listOf(t.details)}};
}

Json WebProgram::state() const
{
    const CSettingsManager& s = root_.settings();
    return Json{{"model", s.modelName()},
                {"modelId", s.modelId()},
                {"range", s.freqRange()},
                {"firmware", s.firmwareVersion()},
                {"file", fileName_},
                {"modified", root_.document().isModified()},
                {"language", s.languageIndex()},
                {"channels", root_.store().channels.size()},
                {"channelLimit", CCodeplugData::kEditorChannelLimit}};
}

Json WebProgram::newDocument()
{
    const Outcome o = root_.document().resetForModel();
    if (o.ok) {
        root_.document().markReplaced();
        fileName_.clear();
    }
    return outcome(o);
}

Json WebProgram::openBytes(const std::string& bytes, const std::string& name)
{
    const std::string path = tempPath(name);
    std::string reason;
    if (!writeFileAtomically(path, bytes, &reason)) return outcome(Outcome::failure(MsgId::kOpenUnreadable, {name, reason}));
    const Outcome o = root_.document().open(path);
    std::remove(path.c_str());
    if (o.ok) fileName_ = baseName(name);
    return outcome(o);
}

Json WebProgram::saveBytes(const std::string& info)
{
    const std::string name = fileName_.empty() ? std::string("codeplug.dat") : fileName_;
    const std::string path = tempPath(name);
    const Outcome o = root_.document().saveAs(path, info);
    Json out = outcome(o);
    std::string bytes;
    if (o.ok && !readWholeFile(path, bytes)) out = outcome(Outcome::failure(MsgId::kSaveFailed, {name}));
    std::remove(path.c_str());
    root_.document().clearCurrentPath();
    saved_.clear();
    if (out["ok"].get<bool>()) {
        fileName_ = name;
        saved_ = std::move(bytes);
        out["file"] = name;
    }
    return out;
}

Json WebProgram::sections() const
{
    const LanguageFile& language = root_.settings().language();
    Json out = Json::array();
    for (const SectionRecords& s : storeSections(root_.store())) {
        Json fields = Json::array();
        for (const FieldDesc& f : s.info->fields()) {
            Json field{{"name", f.name}, {"list", f.listId}};
            if (f.listId != 0) {
                Json options = Json::array();
                for (const ListItem& item : language.comboItems(f.listId))
                    options.push_back(Json{{"value", item.value}, {"text", item.text}});
                field["options"] = options;
            }
            fields.push_back(field);
        }
        out.push_back(Json{{"name", s.info->name}, {"records", s.records.size()}, {"fields", fields}});
    }
    return out;
}

Json WebProgram::records(const std::string& section) const
{
    const OptionNames names = namesOf(root_.settings().language());
    for (const SectionRecords& s : storeSections(root_.store())) {
        if (section != s.info->name) continue;
        Json out = Json::array();
        for (const Record* r : s.records) {
            Json rec = Json::object();
            for (const FieldDesc& f : s.info->fields()) rec[f.name] = encodeField(*r, f, names);
            out.push_back(rec);
        }
        return out;
    }
    return nullptr;
}

std::string WebProgram::setField(const std::string& section, int index, const std::string& field, const Json& value)
{
    for (const SectionRecords& s : storeSections(root_.store())) {
        if (section != s.info->name) continue;
        if (index < 0 || static_cast<std::size_t>(index) >= s.records.size()) return "no record " + std::to_string(index + 1);
        const FieldDesc* f = findField(s.info->section, field);
        if (!f) return "no field " + field;
        // The store is this program's own and may be changed; storeSections
        // lists its records read-only for the readers that walk it.
        Record& record = const_cast<Record&>(*s.records[static_cast<std::size_t>(index)]);
        Record edited = record;
        const std::string wrong = decodeField(value, *f, namesOf(root_.settings().language()), edited);
        if (!wrong.empty()) return wrong;
        record = edited;
        root_.document().noteEdit();
        return {};
    }
    return "no section " + section;
}

Json WebProgram::invalidValues()
{
    root_.document().validate();
    Json out = Json::array();
    for (const InvalidEntry& e : root_.document().invalidValues().entries())
        out.push_back(Json{{"label", e.label}, {"place", e.place}});
    return out;
}

std::string WebProgram::exportJson()
{
    CodeplugContent content;
    content.header = root_.document().currentHeader();
    root_.store().pack();
    std::copy(root_.store().image().begin(), root_.store().image().end(), content.image.begin());
    LanguageFile english;
    english.load(withTrailingSlash(root_.settings().programDir()) + "QAV_E.lng");
    return codeplugJsonText(codeplugToJson(content, namesOf(english)));
}

Json WebProgram::importJson(const std::string& text)
{
    const nlohmann::json j = nlohmann::json::parse(text, nullptr, false);
    if (j.is_discarded()) return Json{{"ok", false}, {"errors", Json::array({"not JSON"})}, {"warnings", Json::array()}};
    LanguageFile english;
    english.load(withTrailingSlash(root_.settings().programDir()) + "QAV_E.lng");
    const JsonImport imported = codeplugFromJson(j, namesOf(english), defaultImageFor);
    Json out{{"ok", imported.ok}, {"errors", listOf(imported.errors)}, {"warnings", listOf(imported.warnings)}};
    if (!imported.ok) return out;
    // The same Open as a file: model acceptance, firmware check, unpack.
    CCodeplugFile file;
    std::string reason;
    const std::string path = tempPath("import.dat");
    if (!file.setHeader(imported.content.header) ||
        !writeFileAtomically(path, file.serialize(imported.content.info, imported.content.image), &reason)) {
        out["ok"] = false;
        out["errors"].push_back("the header cannot be written " + reason);
        return out;
    }
    const Outcome o = root_.document().open(path);
    std::remove(path.c_str());
    out["ok"] = o.ok;
    if (!o.ok) out["errors"].push_back(outcome(o)["message"]);
    else fileName_.clear();
    return out;
}

Json WebProgram::exportCsv() const
{
    const CsvExport csv = channelsToCsv(root_.store());
    return Json{{"text", csv.text}, {"warnings", listOf(csv.warnings)}};
}

Json WebProgram::importCsv(const std::string& text)
{
    const CsvImport csv = channelsFromCsv(text, root_.settings().model(), CCodeplugData::kEditorChannelLimit);
    Json out{{"ok", csv.ok}, {"errors", listOf(csv.errors)}, {"warnings", listOf(csv.warnings)}};
    if (!csv.ok) return out;
    for (const std::string& w : replaceChannels(root_.store(), csv.channels)) out["warnings"].push_back(w);
    root_.document().noteEdit();
    return out;
}

Json WebProgram::selectLanguage(int index)
{
    // Only the texts change: the page keeps the codeplug it holds.
    root_.settings().selectLanguage(index);
    return state();
}

std::string WebProgram::caption(int id) const { return root_.settings().caption(id); }
std::string WebProgram::message(int id) const { return root_.settings().message(id); }

Json WebProgram::optionList(int listId) const
{
    Json out = Json::array();
    for (const ListItem& item : root_.settings().language().comboItems(listId))
        out.push_back(Json{{"value", item.value}, {"text", item.text}});
    return out;
}

Json WebProgram::transferOutcome(const Outcome& o, PauseClock::time_point started)
{
    Json out = outcome(o);
    out["state"] = state();
    out["seconds"] = std::chrono::duration<double>(PauseClock::now() - started).count();
    out["floorSeconds"] = ports_.floor().micros / 1e6;
    out["exchanges"] = ports_.floor().exchanges;
    return out;
}

Json WebProgram::transfer(const std::string& port, const std::string& password,
                          const std::function<Outcome(SessionContext&)>& run)
{
    if (busy_) return outcome(Outcome::failure(0));
    busy_ = true;
    ports_.arm();
    const auto started = PauseClock::now();
    prompt_.setPassword(password);
    SessionContext ctx(ports_, root_.settings(), prompt_, port, LinkTiming::radio(), progress_);
    const Outcome o = run(ctx);
    busy_ = false;
    return transferOutcome(o, started);
}

Json WebProgram::readRadio(const std::string& port, const std::string& password)
{
    return transfer(port, password, [this](SessionContext& ctx) {
        const Outcome o = root_.radio().runRead(ctx);
        if (o.ok) fileName_.clear();
        return o;
    });
}

Json WebProgram::writeRadio(const std::string& port, const std::string& password)
{
    return transfer(port, password, [this](SessionContext& ctx) { return root_.radio().runWrite(ctx); });
}
