// The module's JavaScript API (Embind): one program per page, reached
// through plain functions whose results are JavaScript objects. The radio
// transfers suspend the module while they wait for the line, which Embind
// calls cannot do; they are the C functions of WebRadio.cpp, called with
// ccall(..., {async: true}).
#include "web/WebBindings.h"

#include <emscripten.h>
#include <emscripten/bind.h>
#include <emscripten/val.h>

using emscripten::val;

EM_JS(void, reportProgress, (int percent), {
    if (Module.onTransferProgress) Module.onTransferProgress(percent);
});

namespace {

// Texts from files and language files may hold bytes that are no UTF-8;
// they reach the page replaced, never as a failure.
val toVal(const Json& j)
{
    return val::global("JSON").call<val>("parse", j.dump(-1, ' ', false, Json::error_handler_t::replace));
}

Json fromVal(const val& v)
{
    const std::string text = val::global("JSON").call<std::string>("stringify", v);
    Json j = Json::parse(text, nullptr, false);
    return j.is_discarded() ? Json() : j;
}

val bytesVal(const std::string& bytes)
{
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    // A copy: the view into the module's memory is not the page's to keep.
    return val(emscripten::typed_memory_view(bytes.size(), data)).call<val>("slice");
}

val state() { return toVal(webProgram().state()); }
val newDocument() { return toVal(webProgram().newDocument()); }
val openFile(const std::string& bytes, const std::string& name) { return toVal(webProgram().openBytes(bytes, name)); }
val saveFile(const std::string& info)
{
    WebProgram& p = webProgram();
    val out = toVal(p.saveBytes(info));
    if (out["ok"].as<bool>()) out.set("bytes", bytesVal(p.savedBytes()));
    return out;
}
val sections() { return toVal(webProgram().sections()); }
val records(const std::string& section) { return toVal(webProgram().records(section)); }
std::string setField(const std::string& section, int index, const std::string& field, const val& value)
{
    return webProgram().setField(section, index, field, fromVal(value));
}
val channelGrid() { return toVal(webProgram().channelGrid()); }
val setChannelCell(int row, int column, const std::string& text)
{
    return toVal(webProgram().setChannelCell(row, column, text));
}
val channels() { return toVal(webProgram().channels()); }
val setChannel(int index, const val& texts) { return toVal(webProgram().setChannel(index, fromVal(texts))); }
val addChannel() { return toVal(webProgram().addChannel()); }
val deleteChannel(int index) { return toVal(webProgram().deleteChannel(index)); }
val invalidValues() { return toVal(webProgram().invalidValues()); }
std::string exportJson() { return webProgram().exportJson(); }
val importJson(const std::string& text) { return toVal(webProgram().importJson(text)); }
val exportCsv() { return toVal(webProgram().exportCsv()); }
val importCsv(const std::string& text) { return toVal(webProgram().importCsv(text)); }
val selectLanguage(int index) { return toVal(webProgram().selectLanguage(index)); }
std::string caption(int id) { return webProgram().caption(id); }
std::string message(int id) { return webProgram().message(id); }
val optionList(int listId) { return toVal(webProgram().optionList(listId)); }
val lastTransfer() { return toVal(lastTransferResult()); }
void setSimLineRate(bool lineRate) { webProgram().ports().setLineRate(lineRate); }
void cancelTransfer() { webProgram().ports().cancel(); }
val simulatedRadioMemory()
{
    const SimRadio::Memory m = webProgram().ports().simulatedRadio().memory();
    return bytesVal(std::string(m.begin(), m.end()));
}

}  // namespace

WebProgram& webProgram()
{
    static WebProgram program("/qav");
    static const bool wired = (program.setProgress([](int percent) { reportProgress(percent); }), true);
    (void)wired;
    return program;
}

EMSCRIPTEN_BINDINGS(qav)
{
    using emscripten::function;
    function("state", &state);
    function("newDocument", &newDocument);
    function("openFile", &openFile);
    function("saveFile", &saveFile);
    function("sections", &sections);
    function("records", &records);
    function("setField", &setField);
    function("channelGrid", &channelGrid);
    function("setChannelCell", &setChannelCell);
    function("channels", &channels);
    function("setChannel", &setChannel);
    function("addChannel", &addChannel);
    function("deleteChannel", &deleteChannel);
    function("invalidValues", &invalidValues);
    function("exportJson", &exportJson);
    function("importJson", &importJson);
    function("exportCsv", &exportCsv);
    function("importCsv", &importCsv);
    function("selectLanguage", &selectLanguage);
    function("caption", &caption);
    function("message", &message);
    function("optionList", &optionList);
    function("lastTransfer", &lastTransfer);
    function("setSimLineRate", &setSimLineRate);
    function("cancelTransfer", &cancelTransfer);
    function("simulatedRadioMemory", &simulatedRadioMemory);
}
