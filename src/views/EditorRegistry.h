#pragma once
// One row per editor of the program: the command id that opens it (also
// its tree entry and "&Edit" menu item), its class, form and section, how
// many records it steps through, the tree entry it owns, the pages of its
// sheet and the function that makes it. The editor factory, the main
// frame's view table and navigation, and the record limits the editors
// obey all read this table; adding an editor is one row here plus the
// editor's own file.
#include "model/Section.h"

#include <optional>
#include <span>

class CCustomFormView;
class CQAVPropertyPage;
class EditorContext;
class LanguageSource;
class QWidget;

// A tab of an editor's property sheet.
struct EditorPageRow {
    int captionId;          // the tab title's caption text
    const char* builtIn;    // title kept when the language file has none
    CQAVPropertyPage* (*make)(const LanguageSource& language);
};

// How the navigation tree shows an editor.
enum class TreeEntry {
    Single,     // one item
    Numbered,   // one item per record of its section, numbered from 1
    None,       // no tree entry: reached from the "&Edit" menu only
};

struct EditorRow {
    int commandId;
    const char* viewClass;
    int formId;                         // 0 while the editor is not built
    std::optional<Section> section;     // none: the editor shows no section
    int recordLimit;                    // most records it steps through; 0: not numbered
    TreeEntry tree;
    CCustomFormView* (*make)(EditorContext& context, QWidget* parent);  // nullptr: not part of this build
    std::span<const EditorPageRow> pages = {};
};

namespace EditorRegistry {

// Every editor, in the order of the view table.
std::span<const EditorRow> rows();
// The row of a command id; nullptr when no editor belongs to it.
const EditorRow* find(int commandId);
// The most records the editors add to a section; 0 when no editor numbers it.
int recordLimit(Section section);

}  // namespace EditorRegistry
