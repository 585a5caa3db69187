#include "FakeFrameHost.h"
#include "frame/CNavigationTree.h"
#include "frame/FrameIds.h"
#include "settings/AccessLevel.h"

#include <gtest/gtest.h>

namespace {

QStringList texts(const CNavigationTree& tree)
{
    QStringList out;
    for (QTreeWidgetItemIterator it(const_cast<CNavigationTree*>(&tree)); *it; ++it) {
        int depth = 0;
        for (auto* p = (*it)->parent(); p; p = p->parent()) ++depth;
        out << QString(depth, '-') + (*it)->text(0);
    }
    return out;
}

}  // namespace

TEST(NavigationTree, BuildsTheDefinitionUnderTheModelName)
{
    FakeFrameHost host;
    host.giveTreeTexts();
    CNavigationTree tree;
    tree.rebuild(host);
    EXPECT_EQ(texts(tree), (QStringList{"QAV-1", "-Radio Information", "-Settings", "--Keys", "--Miscellaneous",
                                        "--Password", "-Channels", "--Channel1", "--Channel2", "--Channel3",
                                        "-Personalities", "--Personality1", "--Personality2", "-Scan Lists",
                                        "--Scan List1", "-Embedded Message", "-Test Frequency"}));
    EXPECT_TRUE(tree.rootItem()->isExpanded());
    EXPECT_TRUE(tree.findFirst(TreeId::kChannelGroup)->isExpanded());
}

TEST(NavigationTree, AccessLevelDecidesTheChangeLogEntry)
{
    struct Case {
        int level;
        bool dataWatch;
    };
    for (const Case c : {Case{0, false}, Case{AccessCode::kFactory, false}, Case{AccessCode::kFull, true},
                         Case{12345678, false}}) {
        FakeFrameHost host;
        host.giveTreeTexts();
        host.level = c.level;
        CNavigationTree tree;
        tree.rebuild(host);
        EXPECT_EQ(tree.findFirst(TreeId::kDataWatch) != nullptr, c.dataWatch) << c.level;
    }
}

TEST(NavigationTree, EntryWithoutTextIsLeftOutAndItsChildrenMoveUp)
{
    FakeFrameHost host;
    host.giveTreeTexts();
    host.captions.erase(32801);
    CNavigationTree tree;
    tree.rebuild(host);
    QTreeWidgetItem* keys = tree.findFirst(TreeId::kKeys);
    ASSERT_NE(keys, nullptr);
    EXPECT_EQ(CNavigationTree::itemId(keys->parent()), TreeId::kRadio);
    EXPECT_EQ(tree.findFirst(TreeId::kSettingsGroup), nullptr);
}

TEST(NavigationTree, NumberedItemsFollowTheListCounts)
{
    FakeFrameHost host;
    host.giveTreeTexts();
    CNavigationTree tree;
    tree.rebuild(host);
    struct Step {
        int channels;
        int expected;
    };
    for (const Step s : {Step{16, 16}, Step{5, 5}, Step{1, 1}, Step{0, 1}, Step{7, 7}}) {
        host.counts[TreeId::kChannel] = s.channels;
        tree.syncNumberedItems(host);
        const auto items = tree.itemsWithId(TreeId::kChannel);
        ASSERT_EQ(items.size(), s.expected) << s.channels;
        for (int i = 0; i < s.expected; ++i) EXPECT_EQ(items[i]->text(0), QString("Channel%1").arg(i + 1));
        // Other lists are untouched.
        EXPECT_EQ(tree.itemsWithId(TreeId::kPersonality).size(), 2);
    }
}

TEST(NavigationTree, HighlightMovesThePicture)
{
    FakeFrameHost host;
    host.giveTreeTexts();
    CNavigationTree tree;
    tree.rebuild(host);
    QTreeWidgetItem* a = tree.findFirst(TreeId::kKeys);
    QTreeWidgetItem* b = tree.findFirst(TreeId::kMisc);
    tree.highlight(a);
    const qint64 marked = a->icon(0).cacheKey();
    tree.highlight(b);
    EXPECT_EQ(tree.highlighted(), b);
    EXPECT_EQ(b->icon(0).cacheKey(), marked);
    EXPECT_NE(a->icon(0).cacheKey(), marked);
}

TEST(NavigationTree, TrailingNumber)
{
    EXPECT_EQ(CNavigationTree::trailingNumber("Channel12"), 12);
    EXPECT_EQ(CNavigationTree::trailingNumber("Channel"), 0);
    EXPECT_EQ(CNavigationTree::trailingNumber(""), 0);
    EXPECT_EQ(CNavigationTree::trailingNumber("信道3"), 3);
}
