#include "controls/ControlId.h"
#include "controls/LanguageApply.h"
#include "controls/LanguageSource.h"
#include "controls/RangeValueEdit.h"
#include "settings/TextIds.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <gtest/gtest.h>
#include <map>

namespace {

class TableLanguage : public LanguageSource {
public:
    std::map<int, std::string> captions, messages;
    std::map<int, int> flags;
    std::string message(int id) const override { return messages.count(id) ? messages.at(id) : ""; }
    std::string caption(int id) const override { return captions.count(id) ? captions.at(id) : ""; }
    int modelFlag(int id) const override { return flags.count(id) ? flags.at(id) : 0; }
};

template <class W>
W* add(QWidget* parent, int id)
{
    auto* w = new W(parent);
    setControlId(w, id);
    return w;
}

TEST(LanguageApply, EachWindowClassTakesItsKindOfText)
{
    TableLanguage lang;
    lang.captions = {{100, "Form title"},       {101, "Label text"}, {102, "Button text"},
                     {103, "Check text"},       {104, "0.Off;1.Low;2.High;1:1:3:1:100:10:0"},
                     {105, "0.A;1:1:3:1:0:1:0;7.G"}, {106, "10:5:30:1:1:1:0"}};
    lang.messages = {{MsgId::kOffWord, "Off"}};
    lang.flags = {{103, 1}};

    QWidget form;
    auto* label = add<QLabel>(&form, 101);
    auto* button = add<QPushButton>(&form, 102);
    auto* check = add<QCheckBox>(&form, 103);
    auto* combo = add<QComboBox>(&form, 104);
    auto* list = add<QListWidget>(&form, 105);
    auto* range = add<CRangeValueEdit>(&form, 106);
    auto* untouched = add<QLabel>(&form, 107);
    untouched->setText(QStringLiteral("Built in"));
    auto* anonymous = new QLabel(QStringLiteral("no id"), &form);

    applyLanguage(&form, 100, lang);

    EXPECT_EQ(form.windowTitle(), QStringLiteral("Form title"));
    EXPECT_EQ(label->text(), QStringLiteral("Label text"));
    EXPECT_EQ(button->text(), QStringLiteral("Button text"));
    EXPECT_EQ(check->text(), QStringLiteral("Check text"));
    EXPECT_FALSE(check->isEnabled());   // its per-model flag is set
    EXPECT_TRUE(button->isEnabled());
    ASSERT_EQ(combo->count(), 6);
    EXPECT_EQ(combo->itemText(2), QStringLiteral("High"));
    EXPECT_EQ(combo->itemData(2).toInt(), 2);
    EXPECT_EQ(combo->itemText(4), QStringLiteral("2"));
    EXPECT_EQ(combo->itemData(4).toInt(), 110);
    // A list box takes the plain items only.
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(1)->text(), QStringLiteral("G"));
    EXPECT_EQ(list->item(1)->data(Qt::UserRole).toInt(), 7);
    EXPECT_EQ(range->params().last, 30);
    EXPECT_EQ(range->text(), QStringLiteral("Off"));
    EXPECT_EQ(untouched->text(), QStringLiteral("Built in"));
    EXPECT_EQ(anonymous->text(), QStringLiteral("no id"));
}

TEST(LanguageApply, ReplaceKeepsOneCopyOfEachListAndTheSelection)
{
    TableLanguage lang;
    lang.captions = {{104, "0.Off;1.Low;2.High"}};
    QWidget form;
    auto* combo = add<QComboBox>(&form, 104);
    applyLanguage(&form, 1, lang);
    combo->setCurrentIndex(1);
    lang.captions[104] = "0.Aus;1.Niedrig;2.Hoch";
    applyLanguage(&form, 1, lang, ListFill::Replace);
    ASSERT_EQ(combo->count(), 3);
    EXPECT_EQ(combo->currentText(), QStringLiteral("Niedrig"));
}

TEST(LanguageApply, MapsWidgetsToWindowClasses)
{
    QWidget form;
    EXPECT_EQ(windowClassOf(new QPushButton(&form)), QStringLiteral("Button"));
    EXPECT_EQ(windowClassOf(new QCheckBox(&form)), QStringLiteral("Button"));
    EXPECT_EQ(windowClassOf(new QLabel(&form)), QStringLiteral("Static"));
    EXPECT_EQ(windowClassOf(new QComboBox(&form)), QStringLiteral("ComboBox"));
    EXPECT_EQ(windowClassOf(new CRangeValueEdit(&form)), QStringLiteral("Edit"));
    EXPECT_EQ(windowClassOf(new QListWidget(&form)), QStringLiteral("ListBox"));
    EXPECT_EQ(windowClassOf(&form), QString());
}

}  // namespace
