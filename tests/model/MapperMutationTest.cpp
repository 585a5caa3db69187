// Unpack and pack of arbitrary 8192-byte images: random images, images of
// one repeated byte and damaged copies of a valid one. Whatever the bytes,
// unpack must not fail, every field of every record must decode, the first
// pack settles the image (a second unpack-pack round gives the same bytes),
// and bytes no section owns stay 0xFF.
#include "MutationKit.h"

#include "model/CCodeplugData.h"
#include "model/StoreSections.h"
#include "model/CodeplugFileHeader.h"
#include "model/SectionFields.h"
#include "settings/ModelValues.h"

#include <gtest/gtest.h>

#include <climits>
#include <memory>

namespace {

constexpr int kRandomImages = 150;

using ImageBytes = CCodeplugData::Image;

std::string asString(const ImageBytes& image) { return std::string(image.begin(), image.end()); }

ImageBytes asImage(const std::string& s)
{
    ImageBytes image;
    image.fill(0xFF);
    std::copy_n(s.begin(), std::min(s.size(), image.size()), image.begin());
    return image;
}

ImageBytes validImage()
{
    ModelValues m;
    m.freqRange = "400-470";
    CCodeplugData store;
    store.loadDefaults(m);
    store.pack();
    return store.image();
}

// Decodes every field of every record through the field tables, as the
// dump, the printout and the diff do.
std::size_t decodeEverything(const CCodeplugData& s)
{
    std::size_t chars = 0;
    for (const SectionRecords& sec : storeSections(s))
        for (const Record* r : sec.records)
            for (const FieldDesc& f : sec.info->fields()) chars += fieldText(*r, f).size();
    return chars;
}

// The checks every image must pass; `what` names the case in failures.
void roundTrip(const ImageBytes& input, const std::string& what)
{
    auto store = std::make_unique<CCodeplugData>();
    store->image() = input;
    store->unpack();
    EXPECT_LE(store->channels.size(), CCodeplugData::kMaxChannels) << what;
    EXPECT_LE(store->personalities.size(), CCodeplugData::kMaxPersonalities) << what;
    EXPECT_LE(store->twoToneCalls.size(), CCodeplugData::kMaxTwoToneCalls) << what;
    EXPECT_GE(store->channels.size(), 1u) << what;  // the first slot is always read
    decodeEverything(*store);

    store->pack();
    const ImageBytes once = store->image();
    for (std::size_t i = 0; i < once.size(); ++i)
        if (!isMapped(i)) {
            ASSERT_EQ(once[i], 0xFF) << what << ": unmapped byte " << i << " written";
        }

    store->unpack();
    store->pack();
    const ImageBytes twice = store->image();
    if (once != twice) {
        std::size_t first = 0;
        while (once[first] == twice[first]) ++first;
        ADD_FAILURE() << what << ": pack is not stable, first difference at image byte " << first << " ("
                      << int(once[first]) << " then " << int(twice[first]) << ")";
    }
}

}  // namespace

TEST(MapperMutation, RandomImages)
{
    Mutator m(4242);
    for (int i = 0; i < scaled(kRandomImages); ++i) {
        ImageBytes image;
        for (auto& b : image) b = m.byte();
        roundTrip(image, "random image " + std::to_string(i));
    }
}

TEST(MapperMutation, ImagesOfOneByte)
{
    for (int v = 0; v < 256; v += 3) {
        ImageBytes image;
        image.fill(static_cast<std::uint8_t>(v));
        roundTrip(image, "image of byte " + std::to_string(v));
    }
}

TEST(MapperMutation, DamagedValidImages)
{
    const ImageBytes valid = validImage();
    roundTrip(valid, "valid image");
    Mutator m(99);
    for (int i = 0; i < scaled(kRandomImages); ++i) {
        std::string bytes = asString(valid);
        // Damage that keeps the layout: byte changes, boundary words, and
        // end markers and list links set to every interesting value.
        for (int n = 1 + static_cast<int>(m.below(6)); n > 0; --n) {
            switch (m.below(3)) {
            case 0: bytes = m.step(bytes); bytes.resize(valid.size(), '\xFF'); break;
            case 1: bytes[m.below(bytes.size())] = static_cast<char>(m.pick(std::array<std::uint8_t, 6>{0, 1, 0x7F, 0x80, 0xFE, 0xFF})); break;
            default: {
                // A two-tone call's next link pointing anywhere.
                const std::size_t slot = 3725 + 12 * m.below(16) + 2;  // Next
                const std::uint16_t to = static_cast<std::uint16_t>(m.below(2) ? 3725 + 12 * m.below(17) : m.below(65536));
                bytes[slot] = static_cast<char>(to & 0xFF);
                bytes[slot + 1] = static_cast<char>(to >> 8);
                break;
            }
            }
        }
        roundTrip(asImage(bytes), "damaged image " + std::to_string(i));
    }
}

// FreqRange comes from Settings.ini and from file headers: any text gives
// edges within int (numbers beyond it clamp instead of overflowing), and
// the factory defaults of any edges unpack and pack like any image.
TEST(MapperMutation, DefaultsForAnyRangeText)
{
    struct Case { const char* text; int low, high; };
    const Case cases[] = {
        {"400-470", 400, 470},   {" 400- 470", 400, 470}, {"400 -470", 400, 0},
        {"-5--7", -5, -7},       {"", 0, 0},              {"x-5", 0, 0},
        {"99999999999-5", INT_MAX, 5}, {"1-99999999999999999999", 1, INT_MAX}, {"-99999999999--1", INT_MIN, -1},
    };
    for (const Case& c : cases) {
        ModelValues m;
        m.freqRange = c.text;
        EXPECT_EQ(m.lowMHz(), c.low) << c.text;
        EXPECT_EQ(m.highMHz(), c.high) << c.text;
        CCodeplugData store;
        store.loadDefaults(m);
        store.pack();
        roundTrip(store.image(), std::string("defaults of ") + c.text);
        makeCodeplugHeader(m, "1.04.07");
    }
    Mutator r(7);
    for (int i = 0; i < scaled(50); ++i) {
        ModelValues m;
        m.freqRange = r.mutate("136-174", 3);
        CCodeplugData store;
        store.loadDefaults(m);
        store.pack();
        roundTrip(store.image(), "defaults of a damaged range text");
    }
}
