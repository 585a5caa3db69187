#pragma once
// Pieces the row builders share: the title rows of a block, label and value
// rows, and values shown the way the editors show them (option texts from
// the language file's lists, check boxes as the "Off"/"On" list).
#include "app/ReportRow.h"
#include "app/ReportSource.h"
#include "app/ReportTexts.h"
#include "model/Record.h"
#include "model/Section.h"

#include <string>

namespace ReportBlock {

// A caption text of the language file.
std::string caption(const ReportSource& source, int id);
// A report text: the language file's, else the built-in one.
std::string text(const ReportSource& source, ReportText::Text t);
// A text holding one "%u" with the number filled in.
std::string numbered(const std::string& format, unsigned number);
// "<label> - n", the label format of numbered records.
std::string recordLabel(const std::string& label, unsigned number);

// The block's title: a row of three equal columns with the name in the
// middle, then the same row empty.
void addTitle(ReportRows& rows, const std::string& name);
// A heading of one column across the page (a record's name inside a block).
void addHeading(ReportRows& rows, const std::string& text);
// One setting: its label and the value its control shows.
void addSetting(ReportRows& rows, const std::string& label, const std::string& value);
// The row that closes a block: four empty columns.
void addClosing(ReportRows& rows);

// The text of `value` in option list `listId` (also range rules); empty
// when the list does not give the value, as an empty choice box would show.
std::string option(const ReportSource& source, int listId, long long value);
// A check box: "Off"/"On" as the language file words them.
std::string check(const ReportSource& source, bool on);
// A record field through its option list, as its choice control shows it.
std::string fieldOption(const ReportSource& source, const Record& record, Section section, const char* field);
// A one-bit field as a check box; `inverted` when a set bit means off.
std::string fieldCheck(const ReportSource& source, const Record& record, Section section, const char* field,
                       bool inverted = false);
// The raw number of a field.
long long fieldNumber(const Record& record, Section section, const char* field);

}  // namespace ReportBlock
