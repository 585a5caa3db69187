// The entries the Print Tree dialog offers, and the section each editor prints.
#include "FakeFrameHost.h"
#include "frame/PrintTreeEntries.h"
#include "settings/AccessLevel.h"

#include <gtest/gtest.h>

namespace {

std::vector<int> ids(const std::vector<PrintTreeEntry>& entries)
{
    std::vector<int> out;
    for (const PrintTreeEntry& e : entries) out.push_back(e.treeId);
    return out;
}

TEST(PrintTreeEntries, TheTreeDefinitionWithTheChangeLogOnlyAtTheFullLevel)
{
    FakeFrameHost host;
    host.giveTreeTexts();
    const std::vector<int> user{32800, 32801, 32802, 32803, 32813, 32821, 32822,
                                32823, 32824, 32883, 32884, 32886, 32887};
    for (int level : {0, AccessCode::kFactory}) {
        host.level = level;
        EXPECT_EQ(ids(printTreeEntries(host)), user) << level;
    }
    host.level = AccessCode::kFull;
    std::vector<int> full = user;
    full.push_back(32888);
    const std::vector<PrintTreeEntry> entries = printTreeEntries(host);
    EXPECT_EQ(ids(entries), full);
    EXPECT_EQ(entries[2].depth, 1);  // Keys under the settings group
    EXPECT_EQ(entries[2].text, "Keys");

    // An entry without a text is left out; its children stay.
    host.captions.erase(32801);
    EXPECT_EQ(printTreeEntries(host)[1].treeId, 32802);
}

TEST(PrintTreeEntries, SectionOfEachEditor)
{
    // The signalling editors print their own sections too, not the first.
    const std::pair<int, int> cases[] = {{32800, 1109}, {32802, 6601}, {32803, 1400}, {32822, 3655}, {32895, 3655},
                                         {32824, 2310}, {32884, 3801}, {32887, 4000}, {32813, 0},     {32886, 0},
                                         {32858, 5002}, {32892, 4590}, {32891, 4660}, {32849, 5450}, {32889, 5402},
                                         {32864, 0}};
    for (const auto& [view, section] : cases) EXPECT_EQ(reportSectionOfView(view), section) << view;
}

}  // namespace
