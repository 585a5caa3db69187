#include "DocumentFixture.h"

#include "settings/TextIds.h"

// Every point where the codeplug equals a file or the radio is unmodified;
// a committed edit that changed a record makes it modified.
TEST_F(DocumentTest, ModifiedFollowsEditsAndSavePoints)
{
    EXPECT_FALSE(doc_->isModified());
    doc_->noteEdit();  // nothing changed: still unmodified
    EXPECT_FALSE(doc_->isModified());
    ASSERT_NE(store_->addTwoToneCall(), nullptr);
    ASSERT_TRUE(doc_->saveAs(file("links.qav"), ""));
    store_->pack();  // writes the list links into the records: no edit
    doc_->noteEdit();
    EXPECT_FALSE(doc_->isModified());

    store_->channels[1].record.setU8(17, 0x61);
    doc_->noteEdit();
    EXPECT_TRUE(doc_->isModified());
    ASSERT_TRUE(doc_->saveAs(file("a.qav"), ""));
    EXPECT_FALSE(doc_->isModified());

    ASSERT_NE(store_->addPersonality(), nullptr);  // an added record
    doc_->noteEdit();
    EXPECT_TRUE(doc_->isModified());
    ASSERT_TRUE(doc_->save());
    EXPECT_FALSE(doc_->isModified());

    ASSERT_TRUE(store_->deleteChannel(2));  // a deleted record
    doc_->noteEdit();
    EXPECT_TRUE(doc_->isModified());
    ASSERT_TRUE(doc_->open(file("a.qav")));
    EXPECT_FALSE(doc_->isModified());

    doc_->noteHeaderChange();  // the model name, saved in the header
    EXPECT_TRUE(doc_->isModified());
    ASSERT_TRUE(doc_->resetForModel());
    EXPECT_FALSE(doc_->isModified());
}

// Revisions are never reused: an undo that restores the records of the
// saved revision can restore its number, and is then unmodified.
TEST_F(DocumentTest, ReturningToTheSavedRevisionIsUnmodified)
{
    const DocumentRevision::Number saved = doc_->revision().current();
    const std::uint8_t before = store_->channels[0].record.u8(17);
    store_->channels[0].record.setU8(17, 0x33);
    doc_->noteEdit();
    const DocumentRevision::Number edited = doc_->revision().current();
    EXPECT_NE(edited, saved);
    DocumentRevision r = doc_->revision();
    store_->channels[0].record.setU8(17, before);
    r.moveTo(saved, *store_);
    EXPECT_FALSE(r.modified());
    // The same edit made again is a new revision, not the old number.
    store_->channels[0].record.setU8(17, 0x33);
    EXPECT_TRUE(r.noteChange(*store_));
    EXPECT_NE(r.current(), edited);
}

TEST_F(DocumentTest, SaveQuestionBeforeReplacingAChangedCodeplug)
{
    const std::string kept = file("kept.qav");
    struct Case {
        const char* name;
        bool edit;
        bool hasFile;
        SaveChoice choice;
        std::optional<SaveTarget> saveAsTarget;
        bool invalid;
        bool goesOn;
        int message;
        bool saved;  // the edit reached a file
    };
    const Case cases[] = {
        {"unmodified asks nothing", false, true, SaveChoice::Cancel, {}, false, true, 0, false},
        {"cancel", true, true, SaveChoice::Cancel, {}, false, false, 0, false},
        {"discard", true, true, SaveChoice::Discard, {}, false, true, 0, false},
        {"save to the file", true, true, SaveChoice::Save, {}, false, true, 0, true},
        {"save without a file asks for one", true, false, SaveChoice::Save, SaveTarget{file("new.qav"), ""}, false,
         true, 0, true},
        {"save as cancelled", true, false, SaveChoice::Save, std::nullopt, false, false, 0, false},
        {"save refused by invalid values", true, true, SaveChoice::Save, {}, true, false, MsgId::kInvalidValues, false},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(doc_->resetForModel()) << c.name;
        if (c.hasFile) {
            ASSERT_TRUE(doc_->saveAs(kept, "")) << c.name;
        }
        const std::string before = read(kept);
        if (c.edit) store_->channels[0].record.setU8(17, 0x5A);  // committed by an editor, not yet noted
        if (c.invalid) store_->deletePersonality(0);
        prompt_.asked.clear();
        prompt_.saveChoice = c.choice;
        prompt_.target = c.saveAsTarget;
        prompt_.saveAsked = 0;

        const Outcome r = doc_->settleChanges(MsgId::kReplaceSaveQuestion);
        EXPECT_EQ(r.ok, c.goesOn) << c.name;
        EXPECT_EQ(r.message, c.message) << c.name;
        EXPECT_EQ(prompt_.asked.empty(), !c.edit) << c.name;
        EXPECT_EQ(prompt_.saveAsked, c.hasFile ? 0 : 1 * (c.choice == SaveChoice::Save)) << c.name;
        const bool fileChanged = c.hasFile ? read(kept) != before : !c.saveAsTarget ? false : read(c.saveAsTarget->path) != "";
        EXPECT_EQ(fileChanged, c.saved) << c.name;
        // Still modified unless saved (a discarded edit is dropped by the command that follows).
        EXPECT_EQ(doc_->isModified(), c.edit && !c.saved) << c.name;
        if (c.invalid) doc_->invalidValues().clear();
    }
}
