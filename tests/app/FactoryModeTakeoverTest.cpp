// What closing Factory Mode hands over: the records, a new model name, and
// a new range only when the model lists it or the user adds it.
#include "DocumentFixture.h"
#include "app/FactoryModeTakeover.h"
#include "model/FreqBcd.h"
#include "model/RadioInfoRecord.h"

namespace {

class FactoryTakeoverTest : public DocumentTest {
protected:
    FactorySettingsForm current()
    {
        return loadFactoryForm({store_->radioInfo, store_->factoryBlock.own, store_->misc}, settings_->freqRange());
    }
    FactoryTakeover take(const FactorySettingsForm& f)
    {
        return takeOverFactoryForm(f, *store_, *settings_, doc_->ranges(), prompt_);
    }
};

}  // namespace

TEST_F(FactoryTakeoverTest, RangesTheModelListsOrTheUserAdds)
{
    struct Case {
        const char* low;
        const char* high;
        bool answer;
        const char* rangeAfter;
        bool asked;
    };
    for (Case c : {Case{"136", "174", true, "136-174", false}, Case{"350", "390", false, "400-470", true},
                   Case{"350", "390", true, "350-390", true}}) {
        settings_->setFreqRange("400-470");
        prompt_.asked.clear();
        prompt_.answer = c.answer;
        FactorySettingsForm f = current();
        f.rangeLow = c.low;
        f.rangeHigh = c.high;
        const FactoryTakeover t = take(f);
        EXPECT_EQ(settings_->freqRange(), c.rangeAfter) << c.low << " " << c.answer;
        EXPECT_EQ(t.rangeChanged, std::string(c.rangeAfter) != "400-470");
        EXPECT_EQ(!prompt_.asked.empty() || t.offer.result != NewRangeResult::AlreadyListed, c.asked) << c.low;
        // The band words follow the entries whether or not the range is taken.
        EXPECT_EQ(store_->radioInfo.u32(RadioInfoField::LowEdge),
                  FreqBcd::fromUnits(static_cast<std::uint32_t>(std::stoi(c.low)) * 100000u));
    }
    EXPECT_TRUE(doc_->ranges().contains(350, 390)) << "added on Yes";
}

TEST_F(FactoryTakeoverTest, TakesTheModelNameAndStoresTheRecords)
{
    FactorySettingsForm f = current();
    EXPECT_FALSE(take(f).nameChanged);
    f.modelName = "QAV-410S";
    f.serialNumber = "SN1";
    const FactoryTakeover t = take(f);
    EXPECT_TRUE(t.nameChanged);
    EXPECT_TRUE(t.recordsChanged);
    EXPECT_FALSE(t.rangeChanged);
    EXPECT_EQ(settings_->modelName(), "QAV-410S");
    EXPECT_EQ(store_->radioInfo.text(RadioInfoField::Serial, 3), "SN1");
    EXPECT_FALSE(take(f).recordsChanged) << "the same values again change nothing";
}
