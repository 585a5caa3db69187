#pragma once
// The program as the page sees it: the shared objects of the composition
// root on a program directory inside the module (/qav, the shipped data
// files), one codeplug document, and the radio behind the page's ports.
// Everything goes through the same procedures, field schema, conversions
// and language texts as the desktop program and the command-line tool;
// results come back as JSON values the page reads.
#include "app/AppRoot.h"
#include "app/RecordCells.h"
#include "link/ImageSessions.h"
#include "link/Pause.h"
#include "web/WebPortOpener.h"
#include "web/WebPrompt.h"

#include <functional>
#include <nlohmann/json.hpp>
#include <string>

struct SessionContext;

using Json = nlohmann::ordered_json;

class WebProgram {
public:
    // `programDir` holds Model.dat, Settings.ini and the language files.
    explicit WebProgram(const std::string& programDir);
    ~WebProgram();

    // {"ok": bool, "message": "...", "details": [...]} in the current language.
    Json outcome(const Outcome& outcome) const;

    // Documents. A codeplug file in and out as bytes.
    Json newDocument();
    Json openBytes(const std::string& bytes, const std::string& name);
    // Save (validated and packed); the file's bytes are then savedBytes().
    Json saveBytes(const std::string& info);
    const std::string& savedBytes() const { return saved_; }
    Json state() const;  // model, range, file name, modified, language, channel count

    // Sections and fields by their schema names. Values are what the
    // editors show (option texts of the current language, MHz, tones), or
    // the raw number where a value has no such text.
    Json sections() const;
    Json records(const std::string& section) const;
    // "" when taken, otherwise what is wrong with the value.
    std::string setField(const std::string& section, int index, const std::string& field, const Json& value);

    // The channel table: the desktop channel grid's columns ({"columns":
    // [{"heading", "field", "kind", "items"}], "rows": [[{"text",
    // "editable"}]]}), and one cell written from its text with the grid's
    // checks and rules; the outcome carries the row as it is afterwards.
    Json channelGrid() const;
    Json setChannelCell(int row, int column, const std::string& text);

    // The channels as the channel pages show them, and a channel written back
    // through the same conversion (clamped to the band).
    Json channels() const;
    Json setChannel(int index, const Json& texts);
    Json addChannel();
    Json deleteChannel(int index);
    // The invalid values the next save or write would refuse.
    Json invalidValues();

    // Interchange.
    std::string exportJson();
    Json importJson(const std::string& text);
    Json exportCsv() const;
    Json importCsv(const std::string& text);

    // Languages (0 English, 1 Chinese) and their texts.
    Json selectLanguage(int index);
    std::string caption(int id) const;
    std::string message(int id) const;
    Json optionList(int listId) const;

    // The radio. Each call runs the whole session; in the page it suspends
    // the module while it waits for the line (see WebRadio.cpp).
    Json readRadio(const std::string& port, const std::string& password);
    Json writeRadio(const std::string& port, const std::string& password);
    void setProgress(std::function<void(int)> progress) { progress_ = std::move(progress); }
    WebPortOpener& ports() { return ports_; }

private:
    RecordCells::Items gridItems(const TableColumn& column) const;
    Json gridRow(const Record& record) const;
    // One radio session (read or write) on `port`, refused while another runs.
    Json transfer(const std::string& port, const std::string& password,
                  const std::function<Outcome(SessionContext&)>& run);
    Json transferOutcome(const Outcome& outcome, PauseClock::time_point started);
    std::string tempPath(const std::string& name) const;

    WebPrompt prompt_;
    AppRoot root_;
    WebPortOpener ports_;
    std::string fileName_;
    std::string saved_;
    std::function<void(int)> progress_;
    bool busy_ = false;
};
