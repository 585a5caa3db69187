#include "views/EditorFactory.h"

#include "views/ViewIds.h"
#include "views/ViewMis.h"
#include "views/ViewPassword.h"
#include "views/ViewRadio.h"

namespace {
CCustomFormView* make(int commandId, EditorContext& context, QWidget* parent)
{
    switch (commandId) {
    case ViewCommand::kRadio: return new CViewRadio(context, parent);
    case ViewCommand::kMisc: return new CViewMis(context, parent);
    case ViewCommand::kPassword: return new CViewPassword(context, parent);
    default: return nullptr;
    }
}
}  // namespace

bool hasEditorView(int commandId)
{
    switch (commandId) {
    case ViewCommand::kRadio:
    case ViewCommand::kMisc:
    case ViewCommand::kPassword: return true;
    default: return false;
    }
}

CCustomFormView* createEditorView(int commandId, EditorContext& context, QWidget* parent)
{
    CCustomFormView* view = make(commandId, context, parent);
    if (view) view->initialUpdate();
    return view;
}
