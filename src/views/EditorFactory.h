#pragma once
// Creates the editor view of an editor registry row, by the command
// id the navigation tree and the Edit menu use, and runs its initial
// update. Entries whose editor is not part of the program yet give nullptr.
#include <QString>

class CCustomFormView;
class EditorContext;
class QWidget;

bool hasEditorView(int commandId);
CCustomFormView* createEditorView(int commandId, EditorContext& context, QWidget* parent = nullptr);
