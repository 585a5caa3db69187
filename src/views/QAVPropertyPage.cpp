#include "views/QAVPropertyPage.h"

#include "controls/ControlId.h"
#include "controls/LanguageApply.h"
#include "views/CommitWatcher.h"

#include <QAbstractButton>
#include <QLabel>

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
    setupPage();
    watcher_->watch(this);
    load();
}

void CQAVPropertyPage::setRecord(Record* record) { record_ = record; }

void CQAVPropertyPage::load()
{
    if (!record_ || !initialised_) return;
    watcher_->setSuspended(true);
    loadControls(*record_);
    shown_.snapshot(this);
    watcher_->setSuspended(false);
}

void CQAVPropertyPage::save()
{
    if (record_ && initialised_) saveControls(*record_);
}

void CQAVPropertyPage::commit(int id, int committedFlag)
{
    committed_ = committedFlag;
    if (!record_) return;
    beforeCommit(id);
    save();

    notice_ = ChangeNotice{};
    notice_.source = this;
    notice_.controlId = id;
    notice_.action = NoticeAction::kEdited;
    if (QWidget* label = findControl(this, id - 1)) {
        if (auto* l = qobject_cast<QLabel*>(label)) notice_.label = l->text().toStdString();
        else if (auto* b = qobject_cast<QAbstractButton*>(label)) notice_.label = b->text().toStdString();
    }
    notice_.caption = caption_.toStdString();
    if (auto change = shown_.takeChange(this, id)) {
        notice_.text3 = change->first.toStdString();
        notice_.text4 = change->second.toStdString();
        notice_.fieldName = ShownValues::fieldName(this, id).toStdString();
    }
    emit changed(notice_);
}
