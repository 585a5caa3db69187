#include "app/InvalidValueList.h"
#include "model/CCodeplugData.h"
#include "settings/SettingsManager.h"
#include "views/EditorFactory.h"
#include "views/StoreEditorContext.h"
#include "views/ViewIds.h"

#include <QCheckBox>
#include <QDateTime>
#include <QLineEdit>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

#include "controls/ControlId.h"
#include "views/CustomFormView.h"

namespace {

struct StoreFixture {
    QTemporaryDir dir;
    std::unique_ptr<CSettingsManager> settings;
    CCodeplugData store;
    InvalidValueList invalid;
    std::unique_ptr<StoreEditorContext> ctx;
    StoreFixture()
    {
        settings = std::make_unique<CSettingsManager>(dir.path().toStdString() + "/", dir.path().toStdString() + "/user/");
        settings->setFreqRange("400-470");
        store.loadDefaults(settings->model());
        ctx = std::make_unique<StoreEditorContext>(store, *settings, &invalid);
    }
};

TEST(StoreEditorContext, FixedSectionsAreTheStoresRecords)
{
    StoreFixture f;
    EXPECT_EQ(f.ctx->section(Section::Misc)->at(0), &f.store.misc);
    EXPECT_EQ(f.ctx->section(Section::RadioInfo)->count(), 1);
    EXPECT_FALSE(f.ctx->section(Section::Password)->append());

    std::unique_ptr<CCustomFormView> view(createEditorView(ViewCommand::kMisc, *f.ctx));
    auto* batterySave = findControlAs<QCheckBox>(view.get(), 1410);
    const bool was = batterySave->isChecked();
    batterySave->click();
    EXPECT_EQ(f.store.misc.bit(36, 0), !was);
}

TEST(StoreEditorContext, RadioInformationAfterTheDefaultsShowsTheResetTime)
{
    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
    StoreFixture f;
    f.settings->setModelName("QAV-450");
    f.store.loadDefaults(f.settings->model());
    std::unique_ptr<CCustomFormView> view(createEditorView(ViewCommand::kRadio, *f.ctx));
    auto shown = [&](int id) { return findControlAs<QLineEdit>(view.get(), id)->text(); };
    EXPECT_EQ(shown(1111), QStringLiteral("QAV-450"));
    EXPECT_EQ(shown(1113), QStringLiteral("400-470"));
    EXPECT_EQ(shown(1115), QString(16, QLatin1Char('-')));
    const QDateTime stamp = QDateTime::fromString(shown(1121), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    ASSERT_TRUE(stamp.isValid()) << shown(1121).toStdString();
    EXPECT_GE(stamp, before);
    EXPECT_LE(stamp, QDateTime::currentDateTime().addSecs(1));
}

TEST(StoreEditorContext, ListSectionsGrowAndShrinkThroughTheStore)
{
    StoreFixture f;
    SectionAccess* personalities = f.ctx->section(Section::Personalities);
    const int before = personalities->count();
    while (personalities->append()) {}
    EXPECT_EQ(f.store.personalities.size(), CCodeplugData::kMaxPersonalities);
    EXPECT_TRUE(personalities->remove(0));
    EXPECT_EQ(personalities->count(), int(CCodeplugData::kMaxPersonalities) - 1);
    EXPECT_FALSE(personalities->remove(99));
    EXPECT_GE(before, 0);

    ChangeNotice deleted;
    deleted.action = NoticeAction::kDeleted;
    f.ctx->notifyRecords(deleted);   // runs the reference checks; must not disturb the store
    EXPECT_EQ(personalities->count(), int(CCodeplugData::kMaxPersonalities) - 1);
}

}  // namespace
