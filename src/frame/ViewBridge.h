#pragma once
// The one place where the frame meets the editor views: creating the view
// of a tree entry and passing it the frame's requests (load, save,
// navigate, show the companion list). Everything else in the frame treats a
// view as a plain widget. Nothing here is global: the frame is given its
// EditorSource.
#include <QList>
#include <QString>

#include <functional>

class CCustomFormView;
class EditorContext;
class NoticeRelay;
class QObject;
class QWidget;

// What creates the editor views for the main frame: the editors' context
// (the store and the settings as editors see them) and the relay that
// passes every change notice to every open editor. The program builds one
// and hands it to the frame; tests build their own, with small editors of
// their own in place of the program's. Context and relay outlive the views.
class EditorSource {
public:
    // Makes the editor of a command id, initial update done; nullptr when there is none.
    using ViewMaker = std::function<CCustomFormView*(int commandId, EditorContext& context, QWidget* parent)>;

    // An empty maker uses the program's editors.
    EditorSource(EditorContext& context, NoticeRelay* relay, ViewMaker maker = {});

    // Creates the editor of a view-table entry as a child of `parent`;
    // nullptr when this build has no editor for it.
    QWidget* create(int commandId, QWidget* parent) const;
    EditorContext& context() const { return context_; }

private:
    EditorContext& context_;
    NoticeRelay* relay_;
    ViewMaker maker_;
};

namespace ViewBridge {

// Refill the controls from the current record / write them back.
void load(QWidget* view);
void save(QWidget* view);

// Shows the records afresh after they were replaced, staying on the same
// record where it still exists.
void reload(QWidget* view);

// Step to another record: action 0..5, or 6 with the 1-based record number.
void navigate(QWidget* view, int action, int recordNumber);

// Where the view stands: its one-based current record number (0 for none)
// and its record count. False for a widget that is not an editor view.
bool position(QWidget* view, int& number, int& count);

// The list button of the navigation bar.
void showList(QWidget* view);

// Help for the view: the focused control's id, then the view's template id.
// Answered through the callback given to onHelp; false for a widget that is
// not an editor view.
bool requestHelp(QWidget* view);

// What the view reports after every navigation: the action done, the
// one-based current record number (0 for none) and the record count. The
// connection ends with `receiver`.
void onNavigated(QWidget* view, QObject* receiver, std::function<void(int action, int number, int count)> callback);

// The editor a view asks to be shown in its place: its command id and title.
void onEditorRequested(QWidget* view, QObject* receiver, std::function<void(int commandId, const QString& title)> callback);

// The context ids a help request of the view asks for, best first.
void onHelp(QWidget* view, QObject* receiver, std::function<void(const QList<int>& contextIds)> callback);

}  // namespace ViewBridge
