#include "frame/LangText.h"
#include "frame/NavBarState.h"
#include "frame/NavigationTable.h"

#include <gtest/gtest.h>

TEST(LangText, FormatFillsPlaceholdersSafely)
{
    struct Case {
        const char* pattern;
        QStringList args;
        const char* expected;
    };
    const Case cases[] = {
        {"COM%d", {"4"}, "COM4"},
        {"Read failed at %04X", {"00A0"}, "Read failed at 00A0"},
        {"%s-%s MHz", {"136"}, "136- MHz"},       // missing argument: empty
        {"100%% done", {}, "100% done"},
        {"%n %p %", {"x"}, "%n %p %"},             // unknown conversions stay text
        {"%d%%", {"50"}, "50%"},
    };
    for (const Case& c : cases) EXPECT_EQ(LangText::format(c.pattern, c.args), c.expected) << c.pattern;
}

TEST(LangText, ToolTipAndPrompt)
{
    EXPECT_EQ(LangText::toolTip("Read from radio&Read", 0), "Read");
    EXPECT_EQ(LangText::toolTip("&Read", 0), "Read");
    EXPECT_EQ(LangText::toolTip("读频(&R)", 1), "读频");
    EXPECT_EQ(LangText::toolTip("Anything", 2), "");
    EXPECT_EQ(LangText::prompt("Save the codeplug&Save"), "Save the codeplug");
    EXPECT_EQ(LangText::prompt("No ampersand"), "No ampersand");
}

TEST(LangText, PlainTextDropsMnemonicsAndAccelerators)
{
    const struct {
        const char* text;
        const char* plain;
    } cases[] = {
        {"&Log View", "Log View"},
        {"日志窗口(&L)", "日志窗口"},
        {"&Save\tCtrl+S", "Save"},
        {"Tune && Test", "Tune & Test"},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(LangText::plainText(QString::fromUtf8(c.text)), QString::fromUtf8(c.plain)) << c.text;
}

TEST(NavBarState, NumberedEntries)
{
    struct Case {
        int n, count, limit;
        NavBarMode expected;
    };
    const Case cases[] = {
        {1, 1, 0, {false, 0}},  {1, 1, 1, {true, 7}},  {1, 16, 16, {true, 2}}, {16, 16, 16, {true, 4}},
        {5, 16, 16, {true, 6}}, {1, 1, 16, {true, 1}}, {1, 4, 16, {true, 0}},  {4, 4, 16, {true, 3}},
        {2, 4, 16, {true, 5}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(NavBarState::forNumbered(c.n, c.count, c.limit), c.expected) << c.n << "/" << c.count << "/" << c.limit;
    EXPECT_EQ(NavBarState::forPlain(32822), (NavBarMode{true, 9}));
    EXPECT_EQ(NavBarState::forPlain(32813), (NavBarMode{false, 1}));
    EXPECT_EQ(NavBarState::forPlain(32888), (NavBarMode{false, 2}));
    EXPECT_EQ(NavBarState::forPlain(32800), (NavBarMode{false, 0}));
    // A full list offers no "new"; the only record offers no "delete".
    EXPECT_FALSE(NavBarState::buttonsFor(4).add);
    EXPECT_FALSE(NavBarState::buttonsFor(1).remove);
}

TEST(NavigationTable, MenuCommandsOfGroupsOpenTheirFirstMember)
{
    EXPECT_EQ(NavigationTable::treeIdForMenuCommand(32821), 32822);
    EXPECT_EQ(NavigationTable::treeIdForMenuCommand(32823), 32824);
    EXPECT_EQ(NavigationTable::treeIdForMenuCommand(32883), 32884);
    EXPECT_EQ(NavigationTable::treeIdForMenuCommand(32800), 32800);
    EXPECT_EQ(NavigationTable::treeIdForMenuCommand(32886), 32886);
    EXPECT_EQ(NavigationTable::viewFor(32824)->recordLimit, 8);
    EXPECT_EQ(NavigationTable::viewFor(32821), nullptr);
}
