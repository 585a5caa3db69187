#include "views/CustomFormView.h"

#include "controls/AccessibleNames.h"
#include "controls/ControlId.h"
#include "controls/LanguageApply.h"
#include "views/CommitWatcher.h"
#include "views/EditorRegistry.h"
#include "views/NoticeBuilder.h"
#include "views/QAVPropertyPage.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>

CCustomFormView::CCustomFormView(int templateId, int viewKind, Section section, EditorContext& context,
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

CCustomFormView::CCustomFormView(const EditorRow& row, EditorContext& context, QWidget* parent)
    : CCustomFormView(row.formId, row.commandId, row.section.value_or(Section::RadioInfo), context, parent)
{
}

CCustomFormView::~CCustomFormView()
{
    // Hiding the form during destruction moves the focus; that is not an
    // edit to report, and pages must not announce into a view that is going.
    watcher_->setSuspended(true);
    for (CQAVPropertyPage* page : pages()) disconnect(page, nullptr, this, nullptr);
    // The controls still exist here (they go with the base widget), so
    // what they show is written back even when the view was never closed.
    save();
}

void CCustomFormView::initialUpdate()
{
    if (initialised_) return;
    initialised_ = true;
    buildForm(form_);
    applyLanguage(form_, templateId_, context_.language());
    nameUnlabelledControls(form_);
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

int CCustomFormView::currentIndex() const
{
    SectionAccess* s = section();
    return s && currentId_ != 0 ? s->indexOfId(currentId_) : -1;
}

Record* CCustomFormView::currentRecord() const
{
    SectionAccess* s = section();
    const int index = currentIndex();
    return s && index >= 0 ? s->at(index) : nullptr;
}

void CCustomFormView::addPage(CQAVPropertyPage* page) { pages_.append(page); }

QList<CQAVPropertyPage*> CCustomFormView::pages() const
{
    QList<CQAVPropertyPage*> out;
    for (const auto& p : pages_)
        if (p) out.append(p);
    return out;
}

bool CCustomFormView::ensureRecord()
{
    SectionAccess* s = section();
    if (!s) return false;
    if (s->count() > 0) return true;
    if (!s->append()) return false;
    ChangeNotice n = listNotice(this, NavAction::kNew);
    n.recordId = s->idAt(s->count() - 1);
    announce(n);
    return s->count() > 0;
}

void CCustomFormView::setCurrent(int index)
{
    SectionAccess* s = section();
    currentId_ = s ? s->idAt(index) : 0;
    reloadControls();
}

void CCustomFormView::reloadControls()
{
    watcher_->setSuspended(true);
    Record* record = currentRecord();
    bindings_.load(record);
    loadControls(record);
    bindings_.remember(record);
    shown_.snapshot(form_);
    watcher_->setSuspended(false);
}

void CCustomFormView::pickRecord(int index)
{
    SectionAccess* s = section();
    const int id = s ? s->idAt(index) : 0;
    if (id == 0 || id == currentId_) return;
    save();
    currentId_ = id;
    emit navigated(NavAction::kGoTo, index + 1, s->count());
}

void CCustomFormView::load()
{
    setCurrent(ensureRecord() ? 0 : -1);
}

void CCustomFormView::reloadKeepingPlace()
{
    if (!initialised_) return;
    const int index = currentIndex();
    if (index < 0) {
        load();
    } else {
        reloadControls();
        SectionAccess* s = section();
        emit navigated(NavAction::kGoTo, index + 1, s ? s->count() : 0);
    }
}

void CCustomFormView::saveTo(Record& record)
{
    bindings_.save(record);
    for (CQAVPropertyPage* page : pages()) {
        // The page writes to the record the view holds now, whatever it was handed before.
        page->setRecord(&record);
        page->save();
    }
}

void CCustomFormView::save()
{
    if (!initialised_) return;
    if (Record* r = currentRecord()) saveTo(*r);
}

void CCustomFormView::navigate(int action, int number)
{
    SectionAccess* s = section();
    if (!s) return;
    save();
    const int count = s->count();
    const int current = currentIndex();
    int next = current;
    int recordId = 0;
    switch (action) {
    case NavAction::kFirst: next = 0; break;
    case NavAction::kPrevious: next = std::max(current - 1, 0); break;
    case NavAction::kNext: next = std::min(current + 1, count - 1); break;
    case NavAction::kLast: next = count - 1; break;
    case NavAction::kNew:
        if (!s->append()) return;   // fixed or full section
        next = s->count() - 1;
        recordId = s->idAt(next);
        break;
    case NavAction::kDelete:
        // The last record of a section is never deleted.
        if (count < 2 || current < 0) return;
        recordId = currentId_;
        if (!s->remove(current)) return;
        next = std::min(current, s->count() - 1);
        break;
    case NavAction::kGoTo:
        next = number >= 1 && number <= count ? number - 1 : -1;
        break;
    default:
        return;
    }
    if (s->count() == 0) next = -1;
    setCurrent(next);

    ChangeNotice n = listNotice(this, action);
    n.recordId = recordId != 0 ? recordId : currentId_;
    announce(n);
    emit navigated(action, currentIndex() + 1, s->count());
}

void CCustomFormView::receiveNotice(const ChangeNotice& notice)
{
    // Another editor deleted the record this one shows: it now has none,
    // and shows and stores nothing until the next navigation.
    if (notice.action == NoticeAction::kDeleted && notice.concerns(sectionId_) && currentId_ != 0
        && !currentRecord())
        setCurrent(-1);
    onNotice(notice);
}

void CCustomFormView::commit(int id)
{
    Record* r = currentRecord();
    if (!r) return;
    saveTo(*r);
    announce(editNotice(form_, this, id, windowTitle(), shown_));
}

void CCustomFormView::announce(ChangeNotice notice)
{
    if (!notice.section) notice.section = sectionId_;
    if (notice.recordId == 0) notice.recordId = currentId_;
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

QSize CCustomFormView::sizeHint() const
{
    const QSize least = form_->minimumSize().expandedTo(form_->minimumSizeHint());
    const int frame = 2 * frameWidth();
    return QScrollArea::sizeHint().expandedTo(least + QSize(frame, frame));
}

void CCustomFormView::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
        requestHelp();
        return;
    }
    QScrollArea::keyPressEvent(event);
}
