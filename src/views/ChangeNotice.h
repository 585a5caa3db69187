#pragma once
// The record every change travels in: which editor changed what, and how.
// Editors send one after every committed edit and every navigation; the
// main frame relays it to every open editor, then the section store hands
// it to its record objects so they can react (e.g. to a deleted record they
// refer to). The section and the record id let a view tell whether the
// change concerns what it shows.
#include "model/Section.h"

#include <optional>
#include <string>

// What happened.
enum class NoticeAction {
    kEdited,   // a field was edited
    kMoved,    // an editor stepped to another record; nothing changed
    kAdded,    // a record was added
    kDeleted,  // a record was deleted
    kReload,   // reload request, acted on only for kReloadSection
};

// Record navigation actions, as the navigation bar numbers them.
namespace NavAction {
constexpr int kFirst = 0;
constexpr int kPrevious = 1;   // stays on the first
constexpr int kNext = 2;       // stays on the last
constexpr int kLast = 3;
constexpr int kNew = 4;        // a default record appended and made current
constexpr int kDelete = 5;     // refused while fewer than two records exist
constexpr int kGoTo = 6;       // one-based record number; out of range leaves no current record
}  // namespace NavAction

struct ChangeNotice {
    const void* source = nullptr;  // the view or page that changed its data
    int controlId = 0;             // the edited control; 0 when not tied to one
    NoticeAction action = NoticeAction::kEdited;
    int navigation = -1;           // the NavAction that caused it; -1 for an edit
    std::optional<Section> section;    // the section changed; none for a reload request
    int recordId = 0;              // the record edited, added or deleted; 0 for none
    std::string label;             // the edited field's label: a check box's own text
    std::string caption;           // caption of the page (its tab title) or the editor
    // For the change log: what the edited control showed before and after
    // the edit; both empty when the shown value did not change or the
    // control shows none (push buttons, masked entries).
    std::string text3;
    std::string text4;
    // The edited field's name for the change log (the label when one is found).
    std::string fieldName;
    int sectionWord = 0;           // section of a reload request

    static constexpr int kReloadSection = 2048;

    bool concerns(Section id) const { return !section || *section == id; }
};

// The notice a navigation action announces.
inline NoticeAction noticeActionFor(int navAction)
{
    if (navAction == NavAction::kNew) return NoticeAction::kAdded;
    if (navAction == NavAction::kDelete) return NoticeAction::kDeleted;
    return NoticeAction::kMoved;
}
