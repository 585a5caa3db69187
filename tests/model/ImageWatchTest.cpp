// The image change log: what a comparison finds and how a change reads.
#include "model/ImageWatch.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

TEST(ImageWatch, LogsEachChangeOnceAndAgainWhenTheByteChangesAgain)
{
    std::vector<std::uint8_t> image(ImageWatch::kSize, 0xFF);
    ImageWatch watch;
    watch.reset(image);
    EXPECT_TRUE(watch.compare(image).empty());

    image[0x1A0] = 0x05;
    image[0x1FFF] = 0x00;
    auto changes = watch.compare(image);
    ASSERT_EQ(changes.size(), 2u);
    EXPECT_EQ(changes[0].offset, 0x1A0u);
    EXPECT_EQ(changes[1].offset, 0x1FFFu);
    EXPECT_TRUE(watch.compare(image).empty()) << "a second comparison without change adds nothing";

    image[0x1A0] = 0x06;
    changes = watch.compare(image);
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0].before, 0x05);
    EXPECT_EQ(changes[0].after, 0x06);
    EXPECT_EQ(watch.at(0x1A0), 0x06);
}

TEST(ImageWatch, DescribesAChangeInHexDecimalAndBits)
{
    const ImageChange c{0x1A0, 0xFF, 0x05};
    EXPECT_EQ(c.line(), "$E.0x1A0:FF->05");
    EXPECT_EQ(c.decimal(), "$E.0x1A0:255->05");
    EXPECT_EQ(c.binary(), "$E.0x1A0:11111111\r\n->00000101");
    EXPECT_EQ(c.detail(), "$E.0x1A0:255->05\r\n$E.0x1A0:11111111\r\n->00000101");
}

TEST(ImageWatch, AShortImageComparesOnlyItsBytes)
{
    ImageWatch watch;
    watch.reset(std::vector<std::uint8_t>(10, 1));
    EXPECT_EQ(watch.compare(std::vector<std::uint8_t>(4, 1)).size(), 0u);
    EXPECT_EQ(watch.at(9999), 0);
}

}  // namespace
