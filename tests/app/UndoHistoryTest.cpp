#include "DocumentFixture.h"

#include "model/ChannelRecord.h"

// Undo and redo walk through committed changes of every kind: edits, added
// and deleted records in several sections. The document is unmodified
// whenever the records are back at the saved state.
TEST_F(DocumentTest, UndoAndRedoWalkThroughEditsNewAndDelete)
{
    auto spacing = [this] { return store_->channels[0].record.u8(ChannelField::SpacingPower); };
    EXPECT_FALSE(doc_->canUndo());
    const std::uint8_t first = spacing();
    const int channelId = store_->channels[2].id;
    const std::size_t channels = store_->channels.size(), personalities = store_->personalities.size();

    store_->channels[0].record.setU8(ChannelField::SpacingPower, 0x11);  // an edit
    doc_->noteEdit();
    ASSERT_TRUE(doc_->saveAs(file("saved.qav"), ""));
    ASSERT_NE(store_->addPersonality(), nullptr);  // a new record
    doc_->noteEdit();
    ASSERT_TRUE(store_->deleteChannel(2));  // a deleted record
    doc_->noteEdit();
    store_->channels[0].record.setU8(ChannelField::SpacingPower, 0x22);
    doc_->noteEdit();
    EXPECT_TRUE(doc_->isModified());

    ASSERT_TRUE(doc_->undo());
    EXPECT_EQ(spacing(), 0x11);
    ASSERT_TRUE(doc_->undo());
    EXPECT_EQ(store_->channels.size(), channels);
    // The deleted channel is back with its id, so editors holding it find it again.
    EXPECT_EQ(store_->channels[2].id, channelId);
    ASSERT_TRUE(doc_->undo());
    EXPECT_EQ(store_->personalities.size(), personalities);
    EXPECT_FALSE(doc_->isModified());  // the saved state
    ASSERT_TRUE(doc_->undo());
    EXPECT_EQ(spacing(), first);
    EXPECT_TRUE(doc_->isModified());
    EXPECT_FALSE(doc_->undo());

    ASSERT_TRUE(doc_->redo());
    EXPECT_FALSE(doc_->isModified());
    ASSERT_TRUE(doc_->redo());
    ASSERT_TRUE(doc_->redo());
    ASSERT_TRUE(doc_->redo());
    EXPECT_EQ(spacing(), 0x22);
    EXPECT_EQ(store_->channels.size(), channels - 1);
    EXPECT_FALSE(doc_->redo());

    // A new change after an undo drops what could have been redone.
    ASSERT_TRUE(doc_->undo());
    store_->channels[0].record.setU8(ChannelField::SpacingPower, 0x00);
    doc_->noteEdit();
    EXPECT_FALSE(doc_->canRedo());
}

// New, Open and Read from Radio start the history afresh.
TEST_F(DocumentTest, ReplacingTheCodeplugClearsTheHistory)
{
    ASSERT_TRUE(doc_->saveAs(file("base.qav"), ""));
    store_->channels[0].record.setU8(ChannelField::SpacingPower, 0x11);
    doc_->noteEdit();
    EXPECT_TRUE(doc_->canUndo());
    ASSERT_TRUE(doc_->open(file("base.qav")));
    EXPECT_FALSE(doc_->canUndo());
    store_->channels[0].record.setU8(ChannelField::SpacingPower, 0x11);
    doc_->noteEdit();
    ASSERT_TRUE(doc_->resetForModel());
    EXPECT_FALSE(doc_->canUndo());
    EXPECT_FALSE(doc_->canRedo());
}

// Undo puts back the references too: the invalid values are those of the
// state undone to.
TEST_F(DocumentTest, UndoingADeletionTakesBackItsInvalidValues)
{
    ASSERT_NE(store_->addPersonality(), nullptr);
    doc_->noteEdit();
    store_->resolveLinks();
    store_->channels[0].record.setU8(ChannelField::Personality, 1);
    store_->resolveLinks();
    doc_->noteEdit();
    ASSERT_TRUE(store_->deletePersonality(1));
    doc_->noteEdit();
    EXPECT_NE(doc_->validate(), 0u);
    ASSERT_TRUE(doc_->undo());
    EXPECT_EQ(doc_->invalidValues().size(), 0u);
    EXPECT_EQ(store_->channels[0].personalityId, store_->personalities[1].id);
}
