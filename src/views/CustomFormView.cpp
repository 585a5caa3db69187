#include "views/CustomFormView.h"

#include "controls/ControlId.h"
#include "controls/LanguageApply.h"
#include "views/CommitWatcher.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QAbstractButton>

CCustomFormView::CCustomFormView(int templateId, int viewKind, SectionId section, EditorContext& context,
                                 QWidget* parent)
    : QScrollArea(parent),
      templateId_(templateId),
      viewKind_(viewKind),
      sectionId_(section),
      context_(context),
      form_(new QWidget),
      watcher_(new CommitWatcher(this))
{
    setControlId(form_, 0);
    setWidgetResizable(true);
    setFrameShape(QFrame::NoFrame);
    connect(watcher_, &CommitWatcher::committed, this, [this](int id) { commit(id); });
}

CCustomFormView::~CCustomFormView()
{
    // Hiding the form during destruction moves the focus; that is not an
    // edit to write back (the derived view has saved already).
    watcher_->setSuspended(true);
}

void CCustomFormView::initialUpdate()
{
    if (initialised_) return;
    initialised_ = true;
    buildForm(form_);
    applyLanguage(form_, templateId_, context_.language());
    setWindowTitle(form_->windowTitle());
    setWidget(form_);
    if (watchesOwnControls()) watcher_->watch(form_);
    load();
}

SectionAccess* CCustomFormView::section() const { return context_.section(sectionId_); }

int CCustomFormView::recordCount() const
{
    SectionAccess* s = section();
    return s ? s->count() : 0;
}

Record* CCustomFormView::currentRecord() const
{
    SectionAccess* s = section();
    return s && current_ >= 0 ? s->at(current_) : nullptr;
}

bool CCustomFormView::ensureRecord()
{
    SectionAccess* s = section();
    if (!s) return false;
    if (s->count() > 0) return true;
    if (!s->append()) return false;
    ChangeNotice n;
    n.source = this;
    n.action = NoticeAction::kAdded;
    announce(n);
    return s->count() > 0;
}

void CCustomFormView::setCurrent(int index)
{
    current_ = index;
    reloadControls();
}

void CCustomFormView::reloadControls()
{
    watcher_->setSuspended(true);
    loadControls(currentRecord());
    shown_.snapshot(form_);
    watcher_->setSuspended(false);
}

void CCustomFormView::load()
{
    setCurrent(ensureRecord() ? 0 : -1);
}

void CCustomFormView::save()
{
    if (!initialised_) return;
    if (Record* r = currentRecord()) saveControls(*r);
}

void CCustomFormView::navigate(int action, int number)
{
    SectionAccess* s = section();
    if (!s) return;
    save();
    const int count = s->count();
    int next = current_;
    switch (action) {
    case NavAction::kFirst: next = 0; break;
    case NavAction::kPrevious: next = std::max(current_ - 1, 0); break;
    case NavAction::kNext: next = std::min(current_ + 1, count - 1); break;
    case NavAction::kLast: next = count - 1; break;
    case NavAction::kNew:
        if (!s->append()) return;   // fixed or full section
        next = s->count() - 1;
        break;
    case NavAction::kDelete:
        // The last record of a section is never deleted.
        if (count < 2 || current_ < 0 || current_ >= count) return;
        if (!s->remove(current_)) return;
        next = std::min(current_, s->count() - 1);
        break;
    case NavAction::kGoTo:
        next = number >= 1 && number <= count ? number - 1 : -1;
        break;
    default:
        return;
    }
    if (s->count() == 0) next = -1;
    setCurrent(next);

    ChangeNotice n;
    n.source = this;
    n.action = action;
    announce(n);
    emit navigated(action, current_ + 1, s->count());
}

void CCustomFormView::receiveNotice(const ChangeNotice& notice) { onNotice(notice); }

void CCustomFormView::commit(int id)
{
    Record* r = currentRecord();
    if (!r) return;
    saveControls(*r);
    ChangeNotice n = editNotice(id);
    // What the field showed before and after, for the change log.
    if (auto change = shown_.takeChange(form_, id)) {
        n.text3 = change->first.toStdString();
        n.text4 = change->second.toStdString();
        n.fieldName = ShownValues::fieldName(form_, id).toStdString();
    }
    announce(n);
}

ChangeNotice CCustomFormView::editNotice(int id) const
{
    ChangeNotice n;
    n.source = this;
    n.controlId = id;
    n.action = NoticeAction::kEdited;
    // The label of a control is the control whose id is one less.
    if (QWidget* label = findControl(form_, id - 1)) {
        if (auto* l = qobject_cast<QLabel*>(label)) n.label = l->text().toStdString();
        else if (auto* b = qobject_cast<QAbstractButton*>(label)) n.label = b->text().toStdString();
    }
    n.caption = windowTitle().toStdString();
    return n;
}

void CCustomFormView::announce(const ChangeNotice& notice)
{
    emit changeNotice(notice);
    context_.notifyRecords(notice);
}

void CCustomFormView::requestHelp()
{
    const int focusedId = controlId(QApplication::focusWidget());
    const bool inView = QApplication::focusWidget() && isAncestorOf(QApplication::focusWidget());
    emit helpRequested(inView && focusedId != 0 ? focusedId : templateId_, templateId_);
}

void CCustomFormView::closeEvent(QCloseEvent* event)
{
    save();
    QScrollArea::closeEvent(event);
}

void CCustomFormView::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
        requestHelp();
        return;
    }
    QScrollArea::keyPressEvent(event);
}
