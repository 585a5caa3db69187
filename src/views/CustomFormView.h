#pragma once
// The base of every editor view: a scrolling form that shows one record of
// one section of the store. It loads its controls from the current record,
// writes them back when an edit is finished, announces every change with a
// change notice, and steps through the records of its section on request
// of the record navigation bar.
//
// The host (the main frame's child frame) creates a view through the
// factory (EditorFactory.h), which also runs its initial update, relays
// every changeNotice to the receiveNotice slot of every open view
// (NoticeRelay.h does this), calls save() before the image is written and
// load() after the sections were replaced, and calls navigate() for the
// navigation bar's buttons and numbered tree entries.
//
// The view holds its current record by the record's id, so a record that
// another editor adds or deletes never shifts the record it edits. What a
// view stores goes through its bindings (and the pages of its sheet), which
// this class writes back when the view closes or is destroyed: closing an
// editor never loses an edit, and a derived view has nothing to remember.
#include "controls/FieldBinder.h"
#include "views/ChangeNotice.h"
#include "views/EditorContext.h"
#include "views/ShownValues.h"

#include <QList>
#include <QPointer>
#include <QScrollArea>

class CommitWatcher;
class CQAVPropertyPage;
struct EditorRow;
class Record;

class CCustomFormView : public QScrollArea {
    Q_OBJECT
public:
    // templateId: the form's id, the caption's language key and the help
    // fallback. viewKind: the command id of the view table entry.
    CCustomFormView(int templateId, int viewKind, Section section, EditorContext& context,
                    QWidget* parent = nullptr);
    // The editor of a registry row: its form, command id and section.
    CCustomFormView(const EditorRow& row, EditorContext& context, QWidget* parent = nullptr);
    ~CCustomFormView() override;

    int templateId() const { return templateId_; }
    int viewKind() const { return viewKind_; }
    Section sectionId() const { return sectionId_; }
    EditorContext& context() const { return context_; }
    // The widget that holds the controls.
    QWidget* form() const { return form_; }
    // At least the room the form asks for, so its window opens showing all of it.
    QSize sizeHint() const override;

    // Builds the form, applies the language, binds the first record and
    // fills the controls. Runs once; the factory calls it.
    void initialUpdate();

    // The zero-based position of the current record, -1 when there is none.
    int currentIndex() const;
    // The id of the current record, 0 when there is none.
    int currentId() const { return currentId_; }
    int recordCount() const;
    // The current record; nullptr when there is none.
    Record* currentRecord() const;

public slots:
    // Makes the first record current (creating one when the section is
    // empty) and refills every control from it.
    void load();
    // Writes every bound control and every page back to the current record.
    void save();
    // Refills every control after the records were replaced (undo, redo):
    // the current record stays current when it still exists, otherwise the
    // first record becomes current. Nothing is written back first.
    void reloadKeepingPlace();
    // Steps to another record: NavAction, with the one-based number for kGoTo.
    void navigate(int action, int number = 0);
    // A change notice relayed by the main frame (from any view, this one included).
    void receiveNotice(const ChangeNotice& notice);
    // Leaves this editor for its companion; false when it has none.
    virtual bool switchEditor() { return false; }
    // F1: asks the host to show help for the focused control, falling back to the view's form.
    void requestHelp();

signals:
    // Sent to the main frame for relaying; the store's records get it next.
    void changeNotice(const ChangeNotice& notice);
    // After a navigation: the action done, the one-based current number
    // (0 for none) and the record count, for the bar and the tree.
    void navigated(int action, int number, int count);
    // Help for context id, with the id to try when that has no topic.
    void helpRequested(int contextId, int fallbackId);
    // A language string the host shows in a message box.
    void pageMessage(int stringId);
    // A text already put together (e.g. what a paste could not take), shown the same way.
    void textMessage(const QString& text);
    // Asks the host to hide this editor's window and open the editor of
    // `commandId` instead, titled `title` (the channel view's list button).
    void editorRequested(int commandId, const QString& title);

protected:
    // Creates the controls on `form`, each carrying its control id.
    virtual void buildForm(QWidget* form) = 0;
    // The view's own rules after the bound controls were filled from
    // `record` (nullptr: no current record, the controls are blank).
    virtual void loadControls(Record*) {}
    // React to a relayed notice; the default does nothing.
    virtual void onNotice(const ChangeNotice&) {}
    // A finished edit of `controlId`: write back, then announce it.
    virtual void commit(int controlId);
    // Whether the view itself watches its form's controls for finished
    // edits; views whose pages do that themselves say no.
    virtual bool watchesOwnControls() const { return true; }

    // Sends the notice, stamped with this view's section and (unless it
    // names one) its current record, to the main frame, then to the store's records.
    void announce(ChangeNotice notice);
    // Refills the controls from the current record without reporting edits.
    void reloadControls();
    // Makes the record at `index` current without refilling the controls
    // (the view shows it already, e.g. a row chosen in a grid) and reports
    // where the view now stands.
    void pickRecord(int index);
    CommitWatcher* watcher() const { return watcher_; }
    // The binders of the form's controls; buildForm adds to them.
    FormBindings& bindings() { return bindings_; }
    // Pages whose controls are written back with the view's.
    void addPage(CQAVPropertyPage* page);
    QList<CQAVPropertyPage*> pages() const;

    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    SectionAccess* section() const;
    void setCurrent(int index);
    bool ensureRecord();
    void saveTo(Record& record);

    const int templateId_;
    const int viewKind_;
    const Section sectionId_;
    EditorContext& context_;
    QWidget* form_;
    CommitWatcher* watcher_;
    ShownValues shown_;
    FormBindings bindings_;
    QList<QPointer<CQAVPropertyPage>> pages_;
    int currentId_ = 0;
    bool initialised_ = false;
};
