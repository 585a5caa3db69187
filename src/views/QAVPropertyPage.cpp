#include "views/QAVPropertyPage.h"

#include "controls/AccessibleNames.h"
#include "controls/ControlId.h"
#include "controls/LanguageApply.h"
#include "views/CommitWatcher.h"
#include "views/NoticeBuilder.h"

CQAVPropertyPage::CQAVPropertyPage(int templateId, const LanguageSource& language, QWidget* parent)
    : QWidget(parent), templateId_(templateId), language_(language), watcher_(new CommitWatcher(this))
{
    connect(watcher_, &CommitWatcher::committed, this, [this](int id) { commit(id, 1); });
    connect(watcher_, &CommitWatcher::focused, this, [this](int id) {
        committed_ = 0;
        if (commitsOnFocus()) commit(id, 0);
    });
}

CQAVPropertyPage::~CQAVPropertyPage()
{
    // Focus moves while the page is torn down; that is not an edit.
    watcher_->setSuspended(true);
}

void CQAVPropertyPage::initDialog()
{
    if (initialised_) return;
    initialised_ = true;
    buildPage();
    applyLanguage(this, templateId_, language_);
    nameUnlabelledControls(this);
    setupPage();
    watcher_->watch(this);
    load();
}

void CQAVPropertyPage::setRecord(Record* record) { record_ = record; }

void CQAVPropertyPage::load()
{
    if (!record_ || !initialised_) return;
    watcher_->setSuspended(true);
    bindings_.load(record_);
    loadControls(*record_);
    bindings_.remember(record_);
    rememberLoaded();
    shown_.snapshot(this);
    watcher_->setSuspended(false);
}

void CQAVPropertyPage::save()
{
    if (!record_ || !initialised_) return;
    bindings_.save(*record_);
    // Controls left alone never rewrite the record: one that cannot show a
    // stored value (a frequency outside the band, a tone no list names)
    // would otherwise change it just by being looked at.
    if (loadedFrom_ && writtenAtLoad_) {
        Record now = *loadedFrom_;
        saveControls(now);
        if (now == *writtenAtLoad_) return;
    }
    saveControls(*record_);
    rememberLoaded();
}

void CQAVPropertyPage::rememberLoaded()
{
    loadedFrom_.reset();
    writtenAtLoad_.reset();
    if (!record_) return;
    Record written = *record_;
    saveControls(written);
    loadedFrom_.emplace(*record_);
    writtenAtLoad_.emplace(written);
}

void CQAVPropertyPage::commit(int id, int committedFlag)
{
    committed_ = committedFlag;
    if (!record_) return;
    beforeCommit(id);
    save();

    notice_ = editNotice(this, this, id, caption_, shown_);
    emit changed(notice_);
}
