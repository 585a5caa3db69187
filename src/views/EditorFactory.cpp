#include "views/EditorFactory.h"

#include "views/ViewIds.h"
#include "views/ViewMis.h"

namespace {
CCustomFormView* make(int commandId, EditorContext& context, QWidget* parent)
{
    switch (commandId) {
    case ViewCommand::kMisc: return new CViewMis(context, parent);
    default: return nullptr;
    }
}
}  // namespace

bool hasEditorView(int commandId)
{
    switch (commandId) {
    case ViewCommand::kMisc: return true;
    default: return false;
    }
}

CCustomFormView* createEditorView(int commandId, EditorContext& context, QWidget* parent)
{
    CCustomFormView* view = make(commandId, context, parent);
    if (view) view->initialUpdate();
    return view;
}
