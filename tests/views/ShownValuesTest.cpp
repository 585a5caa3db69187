// What a field showed before and after an edit, as the change log gets it.
#include "FakeEditorContext.h"
#include "TestViews.h"

#include "views/ShownValues.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

TEST(ShownValues, ReportsEachKindOfControlOnceWhenItChanged)
{
    QWidget form;
    auto* edit = new QLineEdit("145.000", &form);
    setControlId(edit, 10);
    auto* combo = new QComboBox(&form);
    combo->addItems({"Low", "High"});
    setControlId(combo, 20);
    auto* check = new QCheckBox("Battery Save", &form);
    setControlId(check, 30);
    auto* secret = new QLineEdit("1234", &form);
    secret->setEchoMode(QLineEdit::Password);
    setControlId(secret, 40);
    auto* button = new QPushButton("...", &form);
    setControlId(button, 50);

    ShownValues shown;
    shown.snapshot(&form);
    edit->setText("146.500");
    combo->setCurrentIndex(1);
    check->setChecked(true);
    secret->setText("9999");

    using Change = std::optional<std::pair<QString, QString>>;
    const struct {
        int id;
        Change first;
    } cases[] = {
        {10, std::pair<QString, QString>{"145.000", "146.500"}},
        {20, std::pair<QString, QString>{"Low", "High"}},
        {30, std::pair<QString, QString>{"[ ]", "[x]"}},
        {40, std::nullopt},  // a masked entry never reaches a log
        {50, std::nullopt},  // a push button shows no value
        {99, std::nullopt},  // no such control
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        EXPECT_EQ(shown.takeChange(&form, c.id), c.first);
        EXPECT_EQ(shown.takeChange(&form, c.id), Change{}) << "a change is reported once";
    }
}

TEST(ShownValues, AViewsEditNoticeCarriesTheOldAndNewText)
{
    FakeEditorContext ctx;
    ctx.addSection(Section::Channels, 8, 2, 16);
    NumberView view(ctx, Section::Channels);
    view.initialUpdate();
    view.show();
    QApplication::setActiveWindow(&view);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
    QSignalSpy notices(&view, &CCustomFormView::changeNotice);

    auto* edit = findControlAs<CCharFilterEdit>(&view, TestIds::kEdit);
    auto* second = findControlAs<CCharFilterEdit>(&view, TestIds::kSecondEdit);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, "42");
    second->setFocus();
    edit->setFocus();     // in and out again without typing
    second->setFocus();
    // Every focus loss commits: the typed field, then each untouched one.
    ASSERT_EQ(notices.count(), 3);
    const auto changed = notices.at(0).at(0).value<ChangeNotice>();
    EXPECT_EQ(changed.controlId, TestIds::kEdit);
    EXPECT_EQ(changed.text3, "0");
    EXPECT_EQ(changed.text4, "42");
    EXPECT_EQ(changed.fieldName, "Number");
    for (int i : {1, 2}) {
        const auto same = notices.at(i).at(0).value<ChangeNotice>();
        EXPECT_EQ(same.text3, "");
        EXPECT_EQ(same.text4, "");
    }

    // Another record shows other values: the texts start again from them.
    view.navigate(NavAction::kNext);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, "7");
    second->setFocus();
    const auto next = notices.back().at(0).value<ChangeNotice>();
    EXPECT_EQ(next.text3, "0");
    EXPECT_EQ(next.text4, "7");
}
