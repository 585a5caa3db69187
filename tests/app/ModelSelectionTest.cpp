#include "DocumentFixture.h"

#include "app/ModelSelection.h"
#include "settings/TextIds.h"

namespace {

class ModelSelectionTest : public DocumentTest {};

}  // namespace

TEST_F(ModelSelectionTest, EmptyValuesComeFromTheModelDatabase)
{
    struct Case {
        const char* name;
        ModelChoice given;
        bool fallback;
        ModelChoice expected;
    };
    const Case cases[] = {
        {"complete already", {"QAV420", "X", "1-2", 4}, true, {"QAV420", "X", "1-2", 4}},
        {"no identifier: the accepted one", {"", "", "", 1}, false, {"QAV410", "QA-410", "400-470", 1}},
        {"no name, no range", {"QAV420", "", "", 0}, false, {"QAV420", "QA-420", "350-390", 0}},
        {"unknown model, with fallback", {"QAV999", "", "", 2}, true, {"QAV999", "QAV999", "136-174", 2}},
        {"unknown model, no fallback", {"QAV999", "Z", "", 2}, false, {"QAV999", "Z", "", 2}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(completeModelChoice(c.given, *settings_, c.fallback), c.expected) << c.name;
}

TEST_F(ModelSelectionTest, SelectingAModelAsksOnlyWhenMoreThanTheNameChanges)
{
    const ModelChoice start = currentModelChoice(*settings_);
    ASSERT_EQ(start, (ModelChoice{"QAV410", "QA-410", "400-470", 1}));
    struct Case {
        const char* name;
        ModelChoice chosen;
        bool edited;  // the codeplug changed since it was made
        bool answer;
        SaveChoice saveChoice;
        ModelChange change;
        std::vector<int> asked;
        ModelChoice after;
    };
    const ModelChoice other{"QAV420", "QA-420", "350-390", 0};
    const std::vector<int> none, replace{MsgId::kNewConfirm}, save{MsgId::kReplaceSaveQuestion};
    const Case cases[] = {
        {"unchanged", start, false, true, SaveChoice::Cancel, ModelChange::None, none, start},
        {"name only", {"QAV410", "QA-410B", "400-470", 1}, true, true, SaveChoice::Cancel, ModelChange::Name, none,
         {"QAV410", "QA-410B", "400-470", 1}},
        {"declined", {"QAV420", "QA-420", "350-390", 1}, false, false, SaveChoice::Cancel, ModelChange::Declined,
         replace, start},
        {"other model", other, false, true, SaveChoice::Cancel, ModelChange::Model, replace, other},
        // An edited codeplug is not dropped behind a bare "replace?".
        {"edited: the save question, cancelled", other, true, true, SaveChoice::Cancel, ModelChange::Declined, save,
         start},
        {"edited: the save question, discarded", other, true, true, SaveChoice::Discard, ModelChange::Model, save,
         other},
    };
    for (const Case& c : cases) {
        applyModelChoice(*settings_, start);
        ASSERT_TRUE(doc_->resetForModel()) << c.name;
        doc_->markUnmodified();
        if (c.edited) store_->channels[0].record.setU8(17, 0x5A);
        prompt_.asked.clear();
        prompt_.answer = c.answer;
        prompt_.saveChoice = c.saveChoice;
        const ModelSelection s = selectModel(c.chosen, *settings_, *doc_, true);
        EXPECT_EQ(s.change, c.change) << c.name;
        EXPECT_EQ(prompt_.asked, c.asked) << c.name;
        EXPECT_EQ(currentModelChoice(*settings_), c.after) << c.name;
        if (c.change == ModelChange::Model) {
            EXPECT_TRUE(s.reset.ok) << c.name;
            EXPECT_EQ(doc_->ranges().count(), 1) << c.name;  // the new model's ranges
        }
    }
}

TEST_F(ModelSelectionTest, NewStartsSettingsWithoutAModelOnTheAcceptedOne)
{
    settings_->setModelId("");
    settings_->setModelName("");
    settings_->setFreqRange("");
    ASSERT_TRUE(doc_->resetForModel());
    EXPECT_EQ(currentModelChoice(*settings_), (ModelChoice{"QAV410", "QA-410", "400-470", 1}));
}
