// The miscellaneous editor against the option lists of the language files
// the program ships: every list must fit the record field it is stored in,
// and the factory values must all have a text to show.
#include "FakeEditorContext.h"

#include "controls/BoundField.h"
#include "controls/ControlId.h"
#include "model/MiscRecord.h"
#include "settings/LanguageFile.h"
#include "views/EditorFactory.h"
#include "views/ViewIds.h"
#include "views/ViewMis.h"

#include <QCheckBox>
#include <QComboBox>
#include <gtest/gtest.h>
#include <memory>

namespace {

struct ShippedMisc {
    FakeEditorContext ctx;
    FakeSection* misc;
    std::unique_ptr<CCustomFormView> view;

    explicit ShippedMisc(const std::string& file)
    {
        LanguageFile language;
        EXPECT_TRUE(language.load(std::string(QAV_DATA_DIR) + "/" + file));
        for (int id = FormId::kMisc; id <= FormId::kMisc + 20; ++id) ctx.lang.captions[id] = language.caption(id);
        misc = &ctx.addSection(Section::Misc, MiscField::kSize, 1, 1, true);
        loadMiscFactoryValues(*misc->at(0));
        view.reset(createEditorView(ViewCommand::kMisc, ctx));
    }
    Record& record() { return *misc->at(0); }
    QComboBox* combo(int id) { return findControlAs<QComboBox>(view.get(), id); }
};

class ShippedLists : public ::testing::TestWithParam<const char*> {};

TEST_P(ShippedLists, FactoryValuesAllHaveATextAndSurviveASave)
{
    ShippedMisc f(GetParam());
    const Record factory = f.record();
    struct Shown {
        int id;
        int value;
    };
    // VOX gain 3, VOX delay 15 (1.5 s), squelch 5, tail revert 1, gap 10 s, battery save mode 1.
    for (Shown s : {Shown{1406, 3}, Shown{1408, 15}, Shown{1404, 5}, Shown{1402, 1}, Shown{1414, 10}, Shown{1412, 1}}) {
        QComboBox* combo = f.combo(s.id);
        ASSERT_TRUE(combo) << s.id;
        ASSERT_GE(combo->currentIndex(), 0) << "control " << s.id << " shows no choice";
        EXPECT_EQ(combo->currentData().toInt(), s.value) << "control " << s.id;
    }
    EXPECT_TRUE(findControlAs<QCheckBox>(f.view.get(), 1409)->isChecked());
    EXPECT_TRUE(findControlAs<QCheckBox>(f.view.get(), 1410)->isChecked());
    EXPECT_TRUE(f.combo(1412)->isEnabled());

    f.view->save();
    EXPECT_EQ(f.record(), factory) << "saving unchanged controls changes no byte";
}

TEST_P(ShippedLists, EveryChoiceFitsItsFieldAndReadsBack)
{
    ShippedMisc f(GetParam());
    const FormTable table = CViewMis::controls();
    for (const FormControl& c : table.controls) {
        if (c.kind != FormKind::Combo) continue;
        const BoundField* field = findBoundField(table.record, c.field);
        ASSERT_TRUE(field);
        const unsigned width = field->kind == FieldKind::Bits ? field->bitCount : 8 * unsigned(fieldWidth(*field));
        QComboBox* combo = f.combo(c.id);
        ASSERT_TRUE(combo);
        ASSERT_GT(combo->count(), 1) << "list " << c.id << " is missing";
        for (int i = 0; i < combo->count(); ++i) {
            const int value = combo->itemData(i).toInt();
            ASSERT_LT(unsigned(value), 1u << width)
                << "list " << c.id << " item \"" << combo->itemText(i).toStdString() << "\" does not fit its field";
            combo->setCurrentIndex(i);
            f.view->save();
            EXPECT_EQ(readField(f.record(), *field), unsigned(value)) << c.id << " item " << i;
            f.view->load();
            EXPECT_EQ(combo->currentIndex(), i) << c.id << " item " << i << " reads back as another choice";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, ShippedLists, ::testing::Values("QAV_E.lng", "QAV_S.lng"),
                         [](const auto& info) { return info.index == 0 ? std::string("English") : std::string("Chinese"); });

}  // namespace
