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
// Derived views write their controls back in their own destructor (call
// save() there), so closing an editor never loses an edit.
#include "views/ChangeNotice.h"
#include "views/EditorContext.h"
#include "views/ShownValues.h"

#include <QScrollArea>

class CommitWatcher;
class Record;

class CCustomFormView : public QScrollArea {
    Q_OBJECT
public:
    // templateId: the form's id, the caption's language key and the help
    // fallback. viewKind: the command id of the view table entry.
    CCustomFormView(int templateId, int viewKind, SectionId section, EditorContext& context,
                    QWidget* parent = nullptr);
    ~CCustomFormView() override;

    int templateId() const { return templateId_; }
    int viewKind() const { return viewKind_; }
    SectionId sectionId() const { return sectionId_; }
    EditorContext& context() const { return context_; }
    // The widget that holds the controls.
    QWidget* form() const { return form_; }

    // Builds the form, applies the language, binds the first record and
    // fills the controls. Runs once; the factory calls it.
    void initialUpdate();

    // The zero-based index of the current record, -1 when there is none.
    int currentIndex() const { return current_; }
    int recordCount() const;
    // The current record; nullptr when there is none.
    Record* currentRecord() const;

public slots:
    // Makes the first record current (creating one when the section is
    // empty) and refills every control from it.
    void load();
    // Writes every control back to the current record.
    void save();
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

protected:
    // Creates the controls on `form`, each carrying its control id.
    virtual void buildForm(QWidget* form) = 0;
    // Fills the controls from `record`; also called with nullptr to blank them.
    virtual void loadControls(Record* record) = 0;
    // Writes the controls to `record` (never nullptr).
    virtual void saveControls(Record& record) = 0;
    // React to a relayed notice; the default does nothing.
    virtual void onNotice(const ChangeNotice&) {}
    // A finished edit of `controlId`: write back, then announce it.
    virtual void commit(int controlId);
    // Whether the view itself watches its form's controls for finished
    // edits; views whose pages do that themselves say no.
    virtual bool watchesOwnControls() const { return true; }

    // Sends the notice to the main frame, then to the store's records.
    void announce(const ChangeNotice& notice);
    // Notice for a finished edit of a control of this view.
    ChangeNotice editNotice(int controlId) const;
    // Refills the controls from the current record without reporting edits.
    void reloadControls();
    CommitWatcher* watcher() const { return watcher_; }

    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    SectionAccess* section() const;
    void setCurrent(int index);
    bool ensureRecord();

    const int templateId_;
    const int viewKind_;
    const SectionId sectionId_;
    EditorContext& context_;
    QWidget* form_;
    CommitWatcher* watcher_;
    ShownValues shown_;
    int current_ = -1;
    bool initialised_ = false;
};
