#include "views/EditorFactory.h"

#include "views/CustomFormView.h"
#include "views/EditorRegistry.h"

bool hasEditorView(int commandId)
{
    const EditorRow* row = EditorRegistry::find(commandId);
    return row && row->make;
}

CCustomFormView* createEditorView(int commandId, EditorContext& context, QWidget* parent)
{
    const EditorRow* row = EditorRegistry::find(commandId);
    CCustomFormView* view = row && row->make ? row->make(context, parent) : nullptr;
    if (view) view->initialUpdate();
    return view;
}
