#include "views/ViewBtnKey.h"

#include "controls/Binders.h"
#include "controls/ControlId.h"
#include "controls/LanguageSource.h"
#include "model/KeysRecord.h"
#include "views/EditorRegistry.h"
#include "views/ViewIds.h"

#include <QComboBox>

namespace {

constexpr CViewBtnKey::KeyCombo kKeys[] = {
    {6614, "key_a2"},
    {6616, "key_a3"},
    {6620, "key_b2"},
    {6622, "key_b3"},
};

// The combos are filled from the key function list, not from their own ids.
constexpr FormControl kControls[] = {
    {6613, FormKind::Label, "Side Key 1 Short Press"},
    {6614, FormKind::Combo},
    {6615, FormKind::Label, "Side Key 1 Long Press"},
    {6616, FormKind::Combo},
    {6619, FormKind::Label, "Side Key 2 Short Press"},
    {6620, FormKind::Combo},
    {6621, FormKind::Label, "Side Key 2 Long Press"},
    {6622, FormKind::Combo},
};

}  // namespace

CViewBtnKey::CViewBtnKey(EditorContext& context, QWidget* parent)
    : CCustomFormView(*EditorRegistry::find(ViewCommand::kKeys), context, parent)
{
}

FormTable CViewBtnKey::controls() { return {Section::Keys, kControls}; }

std::span<const CViewBtnKey::KeyCombo> CViewBtnKey::keyCombos() { return kKeys; }

void CViewBtnKey::buildForm(QWidget* form)
{
    buildFormControls(form, controls(), bindings());
    form->setWindowTitle(QStringLiteral("Keys"));
    const LanguageSource::Items items = context().language().comboItems(KeysField::kFunctionList);
    for (const KeyCombo& k : kKeys) {
        auto* combo = findControlAs<QComboBox>(form, k.controlId);
        const BoundField* field = findBoundField(Section::Keys, k.field);
        if (!combo || !field) continue;
        for (const ListItem& item : items) combo->addItem(QString::fromStdString(item.text), item.value);
        bindings().add(std::make_unique<OptionComboBinder>(combo, *field));
    }
}
