#include "frame/ViewBridge.h"

#include "controls/LanguageSource.h"
#include "views/CustomFormView.h"
#include "views/EditorFactory.h"
#include "views/NoticeRelay.h"

#include <QMessageBox>
#include <QVariant>
#include <QWidget>

EditorSource::EditorSource(EditorContext& context, NoticeRelay* relay, ViewMaker maker)
    : context_(context), relay_(relay), maker_(std::move(maker))
{
}

QWidget* EditorSource::create(int commandId, QWidget* parent) const
{
    CCustomFormView* view = maker_ ? maker_(commandId, context_, parent) : createEditorView(commandId, context_, parent);
    if (!view) return nullptr;
    // Every change notice reaches every open editor through the relay.
    if (relay_) relay_->add(view);
    EditorContext* context = &context_;
    // A page message is a plain note with an OK button, not a warning.
    auto show = [view](const QString& text) {
        QMessageBox box(QMessageBox::NoIcon, view->window()->windowTitle(), text, QMessageBox::Ok, view);
        box.setObjectName("pageMessage");
        box.exec();
    };
    QObject::connect(view, &CCustomFormView::pageMessage, view, [context, show](int stringId) {
        show(QString::fromStdString(context->language().message(stringId)));
    });
    QObject::connect(view, &CCustomFormView::textMessage, view, show);
    return view;
}

namespace ViewBridge {

namespace {
CCustomFormView* asView(QWidget* w) { return qobject_cast<CCustomFormView*>(w); }
}  // namespace

void load(QWidget* view)
{
    if (CCustomFormView* v = asView(view)) v->load();
}

void reload(QWidget* view)
{
    if (CCustomFormView* v = asView(view)) v->reloadKeepingPlace();
}

void save(QWidget* view)
{
    if (CCustomFormView* v = asView(view)) v->save();
}

void navigate(QWidget* view, int action, int recordNumber)
{
    if (CCustomFormView* v = asView(view)) v->navigate(action, recordNumber);
}

bool position(QWidget* view, int& number, int& count)
{
    CCustomFormView* v = asView(view);
    if (!v) return false;
    number = v->currentIndex() + 1;
    count = v->recordCount();
    return true;
}

void showList(QWidget* view)
{
    if (CCustomFormView* v = asView(view)) v->switchEditor();
}

bool requestHelp(QWidget* view)
{
    CCustomFormView* v = asView(view);
    if (!v) return false;
    v->requestHelp();
    return true;
}

void onNavigated(QWidget* view, QObject* receiver, std::function<void(int, int, int)> callback)
{
    if (CCustomFormView* v = asView(view))
        QObject::connect(v, &CCustomFormView::navigated, receiver, std::move(callback));
}

void onEditorRequested(QWidget* view, QObject* receiver, std::function<void(int, const QString&)> callback)
{
    if (CCustomFormView* v = asView(view))
        QObject::connect(v, &CCustomFormView::editorRequested, receiver, std::move(callback));
}

void onHelp(QWidget* view, QObject* receiver, std::function<void(const QList<int>&)> callback)
{
    CCustomFormView* v = asView(view);
    if (!v) return;
    QObject::connect(v, &CCustomFormView::helpRequested, receiver,
                     [callback = std::move(callback)](int contextId, int fallbackId) {
                         QList<int> ids{contextId};
                         if (fallbackId != contextId) ids << fallbackId;
                         callback(ids);
                     });
}

}  // namespace ViewBridge
