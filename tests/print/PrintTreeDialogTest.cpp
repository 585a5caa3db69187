// The Print Tree dialog: check boxes, Select All and Clear All, the
// sections its OK chooses and the warnings when none is chosen.
#include "controls/ControlId.h"
#include "controls/LanguageSource.h"
#include "print/CDlgPrintTree.h"
#include "settings/LanguageFile.h"

#include <QPushButton>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

// The English language file as the dialog's texts.
class FileTexts : public LanguageSource {
public:
    explicit FileTexts(const LanguageFile& file) : file_(file) {}
    std::string message(int id) const override { return file_.message(id); }
    std::string caption(int id) const override { return file_.caption(id); }
    int modelFlag(int) const override { return 0; }

private:
    const LanguageFile& file_;
};

class PrintTreeDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(lang.load(QAV_DATA_DIR "/QAV_E.lng"));
        dlg = std::make_unique<CDlgPrintTree>(
            texts, entries, [this](const std::vector<std::string>& t) { return sectionsForTreeTexts(t, lang); });
        dlg->setWarn([this](const QString& caption, const QString& text) {
            warnings << text;
            captions << caption;
        });
    }

    QTreeWidgetItem* item(const QString& text) const
    {
        const auto found = dlg->tree()->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
        return found.isEmpty() ? nullptr : found.front();
    }
    QPushButton* button(int id) const { return findControlAs<QPushButton>(dlg.get(), id); }

    LanguageFile lang;
    FileTexts texts{lang};
    std::vector<PrintTreeEntry> entries{{"Radio Information", 0, 32800}, {"Radio Settings", 0, 32801},
                                        {"Keys", 1, 32802},              {"Miscellaneous", 1, 32803},
                                        {"Channel", 0, 32821},           {"Channel 1", 1, 32822},
                                        {"Embedded Message", 0, 32886}};
    std::unique_ptr<CDlgPrintTree> dlg;
    QStringList warnings, captions;
};

TEST_F(PrintTreeDialogTest, EntriesStartUncheckedAndTheButtonsSetThemAll)
{
    EXPECT_EQ(dlg->windowTitle(), "Print Tree");
    ASSERT_NE(item("Keys"), nullptr);
    EXPECT_EQ(item("Keys")->parent(), item("Radio Settings"));
    EXPECT_TRUE(dlg->checkedTexts().empty());
    ASSERT_NE(button(CDlgPrintTree::kSelectAll), nullptr);
    EXPECT_EQ(button(CDlgPrintTree::kSelectAll)->text(), "&Select All");
    button(CDlgPrintTree::kSelectAll)->click();
    // Children before their parent.
    EXPECT_EQ(dlg->checkedTexts(), (std::vector<std::string>{"Radio Information", "Keys", "Miscellaneous",
                                                             "Radio Settings", "Channel 1", "Channel",
                                                             "Embedded Message"}));
    button(CDlgPrintTree::kClearAll)->click();
    EXPECT_TRUE(dlg->checkedTexts().empty());
}

TEST_F(PrintTreeDialogTest, OkSelectsTheNamedSections)
{
    item("Channel 1")->setCheckState(0, Qt::Checked);
    item("Keys")->setCheckState(0, Qt::Checked);
    dlg->accept();
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_EQ(dlg->selectedSections(), (std::vector<int>{6601, 3655}));
    EXPECT_TRUE(warnings.isEmpty());
}

// Checking a group checks its entries: "Radio Settings" prints the keys
// and the miscellaneous settings, not a warning that nothing was chosen.
TEST_F(PrintTreeDialogTest, AGroupCheckedChoosesItsEntries)
{
    item("Radio Settings")->setCheckState(0, Qt::Checked);
    EXPECT_EQ(item("Keys")->checkState(0), Qt::Checked);
    EXPECT_EQ(item("Miscellaneous")->checkState(0), Qt::Checked);
    item("Keys")->setCheckState(0, Qt::Unchecked);
    EXPECT_EQ(item("Radio Settings")->checkState(0), Qt::PartiallyChecked);
    dlg->accept();
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_EQ(dlg->selectedSections(), (std::vector<int>{1400}));
    EXPECT_TRUE(warnings.isEmpty());
}

TEST_F(PrintTreeDialogTest, NothingChosenWarnsThreeTimesThenCancels)
{
    dlg->show();
    item("Embedded Message")->setCheckState(0, Qt::Checked);  // names no section
    for (int i = 0; i < 3; ++i) {
        dlg->accept();
        EXPECT_TRUE(dlg->isVisible()) << i;
    }
    dlg->accept();
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(dlg->result(), QDialog::Rejected);
    const QString again = "Select at least one section to print.";
    EXPECT_EQ(warnings, (QStringList{again, again, again, "No section was selected. Printing is cancelled."}));
    EXPECT_EQ(captions.front(), "Print");

    // The count starts again.
    dlg->show();
    dlg->accept();
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_EQ(warnings.back(), again);
}

TEST_F(PrintTreeDialogTest, PrintSetupAndHelpAreAsked)
{
    int setups = 0, help = 0;
    QObject::connect(dlg.get(), &CDlgPrintTree::printSetupRequested, [&] { ++setups; });
    QObject::connect(dlg.get(), &CDlgPrintTree::helpRequested, [&](int id) { help = id; });
    button(CDlgPrintTree::kPrintSetup)->click();
    EXPECT_EQ(setups, 1);
    for (QPushButton* b : dlg->findChildren<QPushButton*>())
        if (controlId(b) == 9) b->click();
    EXPECT_EQ(help, 7210);
}

}  // namespace
