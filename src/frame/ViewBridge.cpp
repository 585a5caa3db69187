#include "frame/ViewBridge.h"

#include "controls/LanguageSource.h"
#include "views/CustomFormView.h"
#include "views/EditorFactory.h"
#include "views/NoticeRelay.h"

#include <QMessageBox>
#include <QVariant>
#include <QWidget>

namespace ViewBridge {

namespace {
EditorContext* g_context = nullptr;
NoticeRelay* g_relay = nullptr;

CCustomFormView* asView(QWidget* w) { return qobject_cast<CCustomFormView*>(w); }
}  // namespace

void setEditorContext(EditorContext* context, NoticeRelay* relay)
{
    g_context = context;
    g_relay = relay;
}

QWidget* create(int commandId, QWidget* parent)
{
    if (!g_context || !hasEditorView(commandId)) return nullptr;
    CCustomFormView* view = createEditorView(commandId, *g_context, parent);
    if (!view) return nullptr;
    // Every change notice reaches every open editor through the relay.
    if (g_relay) g_relay->add(view);
    EditorContext* context = g_context;
    QObject::connect(view, &CCustomFormView::pageMessage, view, [view, context](int stringId) {
        QMessageBox::warning(view, view->window()->windowTitle(),
                             QString::fromStdString(context->language().message(stringId)));
    });
    return view;
}

void load(QWidget* view)
{
    if (CCustomFormView* v = asView(view)) v->load();
}

void save(QWidget* view)
{
    if (CCustomFormView* v = asView(view)) v->save();
}

void navigate(QWidget* view, int action, int recordNumber)
{
    if (CCustomFormView* v = asView(view)) v->navigate(action, recordNumber);
}

void showList(QWidget* view)
{
    if (CCustomFormView* v = asView(view)) v->switchEditor();
}

int helpContext(const QWidget* view)
{
    if (const auto* v = qobject_cast<const CCustomFormView*>(view)) return v->templateId();
    return view ? view->property("templateId").toInt() : 0;
}

}  // namespace ViewBridge
