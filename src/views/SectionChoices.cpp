#include "views/SectionChoices.h"

#include "app/ReferenceChecks.h"
#include "controls/ControlId.h"
#include "controls/LanguageSource.h"
#include "views/EditorContext.h"

#include <QComboBox>

void fillNumberedBox(QComboBox* combo, SectionAccess* section, int selectedId, const QString& noneText, bool withNone)
{
    if (!combo) return;
    const QSignalBlocker quiet(combo);
    combo->clear();
    if (withNone) combo->addItem(noneText, 0);
    const int count = section ? section->count() : 0;
    for (int i = 0; i < count; ++i) combo->addItem(QString::number(i + 1), section->idAt(i));
    combo->setCurrentIndex(combo->findData(selectedId));
}

int chosenId(const QComboBox* combo)
{
    return combo && combo->currentIndex() >= 0 ? combo->currentData().toInt() : -1;
}

void enableControl(QWidget* root, int id, bool on, const LanguageSource& language)
{
    if (QWidget* w = findControl(root, id)) w->setEnabled(on && language.modelFlag(id) == 0);
}

void clearInvalidEntry(EditorContext& context, int recordId, int controlId)
{
    context.clearInvalid(invalidEntryKey(recordId, controlId));
}
