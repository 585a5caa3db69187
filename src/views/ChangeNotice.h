#pragma once
// The record every change travels in: which editor changed what, and how.
// Editors send one after every committed edit and every navigation; the
// main frame relays it to every open editor, then the section store hands
// it to its record objects so they can react (e.g. to a deleted record they
// refer to).
#include <string>

struct ChangeNotice {
    const void* source = nullptr;  // the view or page that changed its data
    int controlId = 0;             // the edited control; 0 when not tied to one
    int action = 0;                // NoticeAction, or the navigation action that caused it
    std::string label;             // text of the edited control's label (id - 1)
    std::string caption;           // caption of the page (its tab title)
    // For the change log: what the edited control showed before and after
    // the edit; both empty when the shown value did not change or the
    // control shows none (push buttons, masked entries).
    std::string text3;
    std::string text4;
    // The edited field's name for the change log: a check box's own text,
    // otherwise the label (which, by the id rule above, can belong to a
    // neighbouring check box).
    std::string fieldName;
    int sectionWord = 0;           // section of a reload request (action 7)
};

namespace NoticeAction {
constexpr int kEdited = 0;     // a field was edited
constexpr int kAdded = 4;      // a record was added
constexpr int kDeleted = 5;    // a record was deleted
constexpr int kReload = 7;     // reload request, acted on only for kReloadSection
constexpr int kReloadSection = 2048;
}  // namespace NoticeAction

// Record navigation actions; their numbers are also the notice actions a
// navigation announces.
namespace NavAction {
constexpr int kFirst = 0;
constexpr int kPrevious = 1;   // stays on the first
constexpr int kNext = 2;       // stays on the last
constexpr int kLast = 3;
constexpr int kNew = 4;        // a default record appended and made current
constexpr int kDelete = 5;     // refused while fewer than two records exist
constexpr int kGoTo = 6;       // one-based record number; out of range leaves no current record
}  // namespace NavAction
