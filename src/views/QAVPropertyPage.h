#pragma once
// A tab of an editor's property sheet. It edits the record its view hands
// it (no record: the page does nothing), writes its controls back when an
// edit is finished, and announces the edit with a change notice carrying
// the control's label and the page's caption.
#include "controls/FieldBinder.h"
#include "views/ChangeNotice.h"
#include "views/ShownValues.h"

#include <QWidget>

#include <optional>

class CommitWatcher;
class LanguageSource;
class Record;

class CQAVPropertyPage : public QWidget {
    Q_OBJECT
public:
    CQAVPropertyPage(int templateId, const LanguageSource& language, QWidget* parent = nullptr);
    ~CQAVPropertyPage() override;

    int templateId() const { return templateId_; }
    const LanguageSource& language() const { return language_; }

    // Builds the controls, applies the language, runs the page's own set-up
    // and loads. Runs once.
    void initDialog();
    bool isInitialised() const { return initialised_; }

    void setRecord(Record* record);
    Record* record() const { return record_; }
    // The id of the record in its section (0: none or not known), for
    // the references and invalid-value entries that name it.
    void setRecordId(int id) { recordId_ = id; }
    int recordId() const { return recordId_; }
    // Record to controls / controls to record; nothing without a record.
    void load();
    void save();
    // Reacts to another editor's change; the default does nothing.
    virtual void notify(const ChangeNotice&) {}

    // The page's caption (its tab title).
    QString caption() const { return caption_; }
    void setCaption(const QString& caption) { caption_ = caption; }

    // 1 when the last notice came from a finished edit, 0 when from a control gaining focus.
    int committedFlag() const { return committed_; }
    const ChangeNotice& lastNotice() const { return notice_; }

signals:
    // A finished edit, already written to the record.
    void changed(const ChangeNotice& notice);
    // A language string to show in a message box.
    void pageMessage(int stringId);

protected:
    virtual void buildPage() = 0;
    // Text limits, edit set-up, lists filled from the document.
    virtual void setupPage() {}
    // The page's own rules beyond its bindings, after they loaded / saved.
    virtual void loadControls(Record&) {}
    virtual void saveControls(Record&) {}
    // The page's own reaction to a finished edit, before the write-back.
    virtual void beforeCommit(int /*controlId*/) {}
    // Whether a control gaining focus also writes back and announces (the
    // channel Basic page does); the default only notes it.
    virtual bool commitsOnFocus() const { return false; }

    void commit(int controlId, int committedFlag);
    CommitWatcher* watcher() const { return watcher_; }
    // The binders of the page's controls; buildPage adds to them.
    FormBindings& bindings() { return bindings_; }

private:
    void rememberLoaded();

    const int templateId_;
    const LanguageSource& language_;
    CommitWatcher* watcher_;
    ShownValues shown_;
    FormBindings bindings_;
    // The page's own rules write back only once one of their controls has
    // changed: what the record was at load, and what they wrote from it.
    std::optional<Record> loadedFrom_;
    std::optional<Record> writtenAtLoad_;
    Record* record_ = nullptr;
    int recordId_ = 0;
    QString caption_;
    ChangeNotice notice_;
    int committed_ = 0;
    bool initialised_ = false;
};
