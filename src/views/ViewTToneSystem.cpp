#include "views/ViewTToneSystem.h"

#include "views/EditorRegistry.h"
#include "views/ViewIds.h"

CViewTToneSystem::CViewTToneSystem(EditorContext& context, QWidget* parent)
    : CSheetFormView(FormId::kTwoToneSystem, ViewCommand::kTwoToneSystem, Section::TwoToneSystems, context, parent)
{
}
