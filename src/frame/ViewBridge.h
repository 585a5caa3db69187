#pragma once
// The one place where the frame meets the editor views: creating the view
// of a tree entry and passing it the frame's requests (load, save,
// navigate, show the companion list). Everything else in the frame treats a
// view as a plain widget.
#include <QString>

class EditorContext;
class NoticeRelay;
class QWidget;

namespace ViewBridge {

// The editors' view of the store and the settings, and the relay that
// passes every change notice to every open editor. Both outlive the views;
// until they are set, no editor is created.
void setEditorContext(EditorContext* context, NoticeRelay* relay);

// Creates the editor of a view-table entry as a child of `parent`;
// nullptr when this build has no editor for it.
QWidget* create(int commandId, QWidget* parent);

// Refill the controls from the current record / write them back.
void load(QWidget* view);
void save(QWidget* view);

// Step to another record: action 0..5, or 6 with the 1-based record number.
void navigate(QWidget* view, int action, int recordNumber);

// The list button of the navigation bar.
void showList(QWidget* view);

// Help context of a view: its template id.
int helpContext(const QWidget* view);

}  // namespace ViewBridge
