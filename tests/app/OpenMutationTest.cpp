// Open of damaged codeplug files through the document procedure: whatever
// the bytes, Open either takes the file or refuses it with a message that
// names the file, and a refusal leaves model values, firmware text and
// codeplug exactly as they were.
#include "DocumentFixture.h"
#include "MutationKit.h"

#include "app/ReferenceChecks.h"
#include "model/CodeplugFile.h"
#include "settings/TextIds.h"

#include <set>
#include <sys/stat.h>

namespace {

constexpr int kIterations = 300;

struct Snapshot {
    ModelValues model;
    std::string firmware;
    CCodeplugData::Image image;
    std::size_t channels = 0;
    std::uint8_t edited = 0;

    bool operator==(const Snapshot& o) const
    {
        return model.modelId == o.model.modelId && model.modelName == o.model.modelName &&
               model.freqRange == o.model.freqRange && model.signal == o.model.signal && firmware == o.firmware &&
               image == o.image && channels == o.channels && edited == o.edited;
    }
};

class OpenMutation : public DocumentTest {
protected:
    Snapshot snapshot() const
    {
        return {settings_->model(), settings_->firmwareVersion(), store_->image(), store_->channels.size(),
                store_->channels.empty() ? std::uint8_t{0} : store_->channels[0].record.u8(17)};
    }

    // Damage that aims at the header, the three block lengths and tags, and
    // the version and model texts that decide acceptance.
    static std::string damageHeader(Mutator& m, std::string bytes, std::size_t infoLength)
    {
        const std::size_t headerEnd = std::min(bytes.size(), std::size_t{143} + infoLength);
        switch (m.below(5)) {
        case 0: {  // one of the length words L1, L2, L3
            const std::size_t at[] = {123, 131 + infoLength, 139 + infoLength};
            const std::size_t where = at[m.below(3)];
            const std::uint32_t v = m.pick(Mutator::kBoundaryWords) + static_cast<std::uint32_t>(m.below(3)) - 1;
            for (int b = 0; b < 4 && where + static_cast<std::size_t>(b) < bytes.size(); ++b)
                bytes[where + static_cast<std::size_t>(b)] = static_cast<char>(v >> (8 * b));
            break;
        }
        case 1:  // the firmware text (1.04 is the newest accepted)
            bytes[3 + HeaderField::kFirmware + m.below(5)] = static_cast<char>("0123.9\xFF"[m.below(7)]);
            break;
        case 2:  // the model identifier text
            bytes[3 + HeaderField::kModelId + m.below(17)] = static_cast<char>(m.byte());
            break;
        default:  // any byte up to the image
            for (std::size_t n = 1 + m.below(4); n > 0; --n) bytes[m.below(headerEnd)] = static_cast<char>(m.byte());
            break;
        }
        return bytes;
    }
};

}  // namespace

TEST_F(OpenMutation, DamagedFilesAreTakenOrRefusedCleanly)
{
    const std::string valid = read(makeCodeplug("valid.qav", "1.03.00"));
    const std::string withText = read(makeFile("text.qav", settings_->model(), "1.01.00", "a text; with = signs\n"));
    const std::set<int> refusals = {MsgId::kOpenUnreadable, MsgId::kModelNotAccepted, MsgId::kOpenTooNew};

    Mutator m(20261208);
    int opened = 0, refused = 0;
    for (int i = 0; i < scaled(kIterations); ++i) {
        const bool text = m.chance(30);
        const std::string& source = text ? withText : valid;
        std::string bytes = m.chance(40) ? damageHeader(m, source, text ? 21 : 11) : source;
        if (bytes == source || m.chance(50)) bytes = m.mutate(std::move(bytes), 3);
        const std::string path = file("damaged.qav");
        write("files/damaged.qav", bytes);

        const Snapshot before = snapshot();
        const std::string pathBefore = doc_->currentPath();
        const Outcome r = doc_->open(path);
        if (r.ok) {
            ++opened;
            EXPECT_EQ(doc_->currentPath(), path) << "iteration " << i;
            // Whatever the image held, the store can be checked and packed.
            validateAll(*store_, doc_->invalidValues(), [](int) { return std::string("x"); });
            store_->pack();
            store_->unpack();
        } else {
            ++refused;
            EXPECT_TRUE(refusals.count(r.message)) << "iteration " << i << " message " << r.message;
            ASSERT_FALSE(r.args.empty()) << "iteration " << i;
            EXPECT_EQ(r.args[0], path) << "iteration " << i;
            EXPECT_EQ(doc_->currentPath(), pathBefore) << "iteration " << i;
            EXPECT_TRUE(snapshot() == before) << "iteration " << i << ": a refused file changed the document";
        }
        // Now and then go back to a known document so both paths are walked
        // from a sane state as well as from a damaged one.
        if (i % 50 == 49) {
            ASSERT_TRUE(doc_->open(file("valid.qav")));
        }
    }
    EXPECT_GT(opened, kIterations / 10);
    EXPECT_GT(refused, kIterations / 10);
}

// A file Open took is saved again without harm, and a failed save keeps
// the previous file byte for byte.
TEST_F(OpenMutation, OpenedDamagedImagesSaveOrAreRefusedWithoutLoss)
{
    const std::string valid = read(makeCodeplug("valid.qav"));
    const std::string target = file("target.qav");
    ASSERT_TRUE(doc_->saveAs(target, "previous"));
    Mutator m(77);
    for (int i = 0; i < scaled(60); ++i) {
        std::string bytes = valid;
        // Damage only the image, so Open takes it.
        for (std::size_t n = 1 + m.below(40); n > 0; --n) bytes[143 + 11 + m.below(8192)] = static_cast<char>(m.byte());
        write("files/img.qav", bytes);
        ASSERT_TRUE(doc_->open(file("img.qav"))) << "iteration " << i;
        const std::string previous = read(target);
        const Outcome r = doc_->saveAs(target, "");
        if (r.ok) {
            std::size_t count = 0;
            CCodeplugData::Image back{};
            ASSERT_TRUE(CCodeplugFile::readImage(target, back, count)) << "iteration " << i;
            EXPECT_EQ(back, store_->image()) << "iteration " << i;
        } else {
            EXPECT_EQ(r.message, MsgId::kInvalidValues) << "iteration " << i;
            EXPECT_EQ(read(target), previous) << "iteration " << i;
        }
    }
}

// A recent-file entry (the list is kept in Settings.ini) that names a FIFO
// is refused at once instead of hanging Open until something writes to it.
TEST_F(OpenMutation, AFifoIsRefusedWithoutWaiting)
{
#ifdef _WIN32
    const std::string fifo = "NUL";  // a device: no FIFOs here
#else
    const std::string fifo = file("fifo.qav");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
#endif
    doc_->recentFiles().add(fifo);
    const Outcome direct = doc_->open(fifo);
    EXPECT_EQ(direct.message, MsgId::kOpenUnreadable);
    const Outcome recent = doc_->openRecent(0);
    EXPECT_EQ(recent.message, MsgId::kRecentUnreadable);
    EXPECT_TRUE(doc_->recentFiles().entries().empty());
}
