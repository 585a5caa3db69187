// Naming image bytes by the record field that holds them.
#include "model/ImageByteOwner.h"

#include <gtest/gtest.h>

namespace {

struct OwnerCase {
    std::size_t offset;
    const char* text;
};

class ImageByteNames : public ::testing::TestWithParam<OwnerCase> {};

TEST_P(ImageByteNames, NameTheSectionRecordAndField)
{
    EXPECT_EQ(imageByteText(GetParam().offset), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Offsets, ImageByteNames,
    ::testing::Values(OwnerCase{16, "radio_information, model_name"},
                      // Both bit fields of one byte are named.
                      OwnerCase{28, "radio_information, band_range_id / band_family"},
                      // Channel slots are 24 bytes from 645; the third channel's receive word.
                      OwnerCase{645 + 2 * 24 + 4, "channel 3, rx_frequency"},
                      OwnerCase{645 + 2 * 24 + 7, "channel 3, rx_frequency"},
                      OwnerCase{645, "channel 1, unused"},
                      OwnerCase{0, ""},          // before the first section
                      OwnerCase{8191 + 1, ""}));  // outside the image

TEST(ImageByteOwner, GivesTheRecordByteOfAListSlot)
{
    const auto owner = imageByteOwner(645 + 24 * 5 + 17);
    ASSERT_TRUE(owner);
    EXPECT_EQ(owner->section, Section::Channels);
    EXPECT_EQ(owner->record, 5);
    EXPECT_EQ(owner->recordByte, 17u);
    EXPECT_TRUE(owner->list);
}

}  // namespace
