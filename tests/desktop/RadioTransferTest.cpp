#include "GuiFixture.h"
#include "frame/CDlgWriteSeveral.h"
#include "frame/CMainFrame.h"
#include "frame/CNavigationTree.h"
#include "frame/FrameIds.h"
#include "settings/TextIds.h"

#include <QLabel>
#include <QListWidget>
#include <QTableWidget>

#include <algorithm>

namespace {

// An image the radio holds: the program's own default codeplug with a few
// user bytes changed, so a read visibly replaces the store's image.
SimRadio::Memory radioImage(CCodeplugData& store)
{
    store.pack();
    SimRadio::Memory m{};
    std::copy(store.image().begin(), store.image().end(), m.begin());
    m[150] ^= 0x01;  // a miscellaneous setting
    m[153] = 0x05;
    return m;
}

bool sameRegion(const SimRadio::Memory& a, const CCodeplugData::Image& b, std::size_t from, std::size_t to)
{
    return std::equal(a.begin() + from, a.begin() + to, b.begin() + from);
}

}  // namespace

TEST_F(GuiFixture, ReadFromRadioReplacesTheCodeplug)
{
    startProgram();
    SimRadio& sim = radio();
    const SimRadio::Memory memory = radioImage(*store);
    sim.setMemory(memory);
    app->frame().setDocumentPath("/tmp/previous.qav");

    ModalDriver driver;
    app->readFromRadio();
    EXPECT_TRUE(std::equal(memory.begin(), memory.end(), store->image().begin()));
    ASSERT_FALSE(driver.messages.isEmpty());
    EXPECT_EQ(driver.messages.back().toStdString(), settings->message(1136));
    // The title no longer names a file: Save asks for one.
    EXPECT_FALSE(app->frame().windowTitle().contains("previous.qav"));
    EXPECT_TRUE(app->document().currentPath().empty());
    EXPECT_EQ(app->frame().tree()->itemsWithId(TreeId::kChannel).size(), store->channels.size());
}

TEST_F(GuiFixture, WriteToRadioSendsTheUserAreasAndTheStamp)
{
    startProgram();
    SimRadio& sim = radio();
    SimRadio::Memory blank{};
    blank.fill(0x00);
    sim.setMemory(blank);

    ModalDriver driver;
    app->writeToRadio();
    ASSERT_FALSE(driver.messages.isEmpty());
    EXPECT_EQ(driver.messages.back().toStdString(), settings->message(1137));
    const SimRadio::Memory written = sim.memory();
    store->pack();
    EXPECT_TRUE(sameRegion(written, store->image(), 120, 181));
    EXPECT_TRUE(sameRegion(written, store->image(), 217, 222));
    EXPECT_TRUE(sameRegion(written, store->image(), 254, 5115));
    // The stamp the radio got is the one the store now shows.
    EXPECT_TRUE(sameRegion(written, store->image(), 32, 40));
    EXPECT_NE(written[38], 0);  // the century byte
    // Bytes that belong to the radio are left alone.
    EXPECT_EQ(written[0], 0);
    EXPECT_EQ(written[100], 0);
}

TEST_F(GuiFixture, ReadFailingMidTransferSaysWhereAndKeepsTheCodeplug)
{
    startProgram();
    SimRadio& sim = radio();
    sim.setMemory(radioImage(*store));
    SimFault fault;
    fault.kind = SimFaultKind::RefuseBlock;
    fault.address = 4096;
    sim.addFault(fault);
    store->pack();
    const CCodeplugData::Image before = store->image();

    ModalDriver driver;
    app->readFromRadio();
    ASSERT_FALSE(driver.messages.isEmpty());
    const QString expected = QString::fromStdString(settings->message(1138)).replace("%d", "4096");
    EXPECT_EQ(driver.messages.back(), expected);
    EXPECT_EQ(store->image(), before);
}

TEST_F(GuiFixture, WriteFailingMidTransferSaysWhere)
{
    startProgram();
    SimRadio& sim = radio();
    SimFault fault;
    fault.kind = SimFaultKind::RefuseBlock;
    fault.address = 254 + 32 * 10;
    sim.addFault(fault);

    ModalDriver driver;
    app->writeToRadio();
    ASSERT_FALSE(driver.messages.isEmpty());
    const QString expected =
        QString::fromStdString(settings->message(1139)).replace("%d", QString::number(254 + 32 * 10));
    EXPECT_EQ(driver.messages.back(), expected);
}

TEST_F(GuiFixture, WriteToSeveralRadiosWritesEachPortAndWaitsForAll)
{
    startProgram();
    SimRadio& sim = radio();
    SimRadio::Memory blank{};
    sim.setMemory(blank);

    ModalDriver driver;
    bool started = false, closedEarly = false;
    QStringList results;
    QString summary;
    driver.onDialog = [&](QDialog* d) {
        auto* dlg = qobject_cast<CDlgWriteSeveral*>(d);
        if (!dlg) return;
        if (!started) {
            EXPECT_FALSE(dlg->writeButton()->isEnabled());  // nothing chosen yet
            QListWidget* ports = dlg->portList();
            for (int i = 0; i < ports->count(); ++i)
                if (ports->item(i)->text().startsWith("sim")) ports->item(i)->setCheckState(Qt::Checked);
            dlg->addPortEdit()->setText("/nonexistent/ttyQAV");
            dlg->addPortButton()->click();
            ASSERT_TRUE(dlg->writeButton()->isEnabled());
            dlg->writeButton()->click();
            started = true;
            dlg->reject();  // refused while the radios are being written
            closedEarly = !dlg->isVisible();
            return;
        }
        if (!dlg->gang() || !dlg->gang()->finished() || !dlg->buttonBoxClose()->isEnabled()) return;
        for (int r = 0; r < dlg->table()->rowCount(); ++r) results << dlg->table()->item(r, 3)->text();
        summary = dlg->summary()->text();
        if (dlg->batches().size() == 1) {
            // Once a batch has finished, other radios can be chosen and written.
            EXPECT_TRUE(dlg->portList()->isEnabled());
            EXPECT_TRUE(dlg->passwordEdit()->isEnabled());
            QListWidget* ports = dlg->portList();
            for (int i = 0; i < ports->count(); ++i)
                if (ports->item(i)->text().startsWith("sim")) ports->item(i)->setCheckState(Qt::Unchecked);
            ASSERT_TRUE(dlg->writeButton()->isEnabled());
            dlg->writeButton()->click();
            return;
        }
        dlg->reject();
    };
    app->writeToSeveralRadios();
    EXPECT_FALSE(closedEarly);
    ASSERT_EQ(results.size(), 3);
    EXPECT_EQ(results[0].toStdString(), settings->message(1137));
    EXPECT_EQ(results[1].toStdString(), settings->message(1143));
    EXPECT_EQ(results[2].toStdString(), settings->message(1143));  // the second batch: the missing device alone
    EXPECT_EQ(summary, "0 of 1 radios written.");
    const SimRadio::Memory written = sim.memory();
    store->pack();
    EXPECT_TRUE(sameRegion(written, store->image(), 254, 5115));
    // The program took the stamp of the radio written in the first batch,
    // although the last batch wrote none.
    EXPECT_TRUE(sameRegion(written, store->image(), 32, 40));
}
