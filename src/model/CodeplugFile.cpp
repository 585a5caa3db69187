#include "model/CodeplugFile.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "settings/FileIO.h"
#include "settings/ReadOnlyFile.h"
#include "settings/TextIds.h"

using namespace CodeplugFormat;

namespace {

constexpr char kMagic[3] = {'Q', 'A', 'V'};

// Sequential reading of an untrusted file whose size is known up front, so
// that no length field can make us read, skip or allocate past its end.
class FileCursor {
public:
    explicit FileCursor(const std::string& path) : file_(path) {}

    bool ok() const { return file_.ok(); }
    const std::string& error() const { return file_.error(); }
    std::uint64_t remaining() const { return file_.size() - pos_; }
    std::uint64_t size() const { return file_.size(); }

    bool read(void* out, std::size_t n)
    {
        if (remaining() < n || !file_.readAt(pos_, out, n)) return false;
        pos_ += n;
        return true;
    }
    bool readU32(std::uint32_t& v)
    {
        std::uint8_t b[4];
        if (!read(b, 4)) return false;
        v = static_cast<std::uint32_t>(b[0]) | static_cast<std::uint32_t>(b[1]) << 8 |
            static_cast<std::uint32_t>(b[2]) << 16 | static_cast<std::uint32_t>(b[3]) << 24;
        return true;
    }
    bool skip(std::uint64_t n)
    {
        if (remaining() < n) return false;
        pos_ += n;
        return true;
    }

private:
    ReadOnlyFile file_;
    std::uint64_t pos_ = 0;
};

bool fail(std::string* reason, std::string text)
{
    if (reason) *reason = std::move(text);
    return false;
}

// Opens the file and checks the magic; the cursor then stands on the header.
bool openCodeplug(FileCursor& f, std::string* reason)
{
    if (!f.ok()) return fail(reason, "cannot open: " + f.error());
    char magic[3];
    if (!f.read(magic, 3) || std::memcmp(magic, kMagic, 3) != 0)
        return fail(reason, "not a codeplug file (it does not start with \"QAV\")");
    return true;
}

// Header and file-information block; the cursor then stands on the text.
bool toInfoText(FileCursor& f, std::uint32_t& length, std::string* reason)
{
    std::uint32_t tag = 0;
    if (!f.skip(kHeaderEnd - 3) || !f.readU32(tag)) return fail(reason, "the file ends inside its header");
    if (tag != kInfoTag) return fail(reason, "the file-information block is missing");
    if (!f.readU32(length)) return fail(reason, "the file ends inside the file-information block");
    if (f.remaining() < length) return fail(reason, "the file ends inside the file-information text");
    return true;
}

void putU32(std::string& out, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i) out += static_cast<char>(v >> (8 * i) & 0xFF);
}

}  // namespace

bool CCodeplugFile::readHeader(const std::string& path, CodeplugHeader& out, std::string* reason)
{
    FileCursor f(path);
    if (!openCodeplug(f, reason)) return false;
    CodeplugHeader h;
    if (!f.read(h.data(), h.size())) return fail(reason, "the file ends inside its header");
    if (!hasHeaderTag(h)) return fail(reason, "the header tag is missing");
    out = h;
    return true;
}

bool CCodeplugFile::readFileInformation(const std::string& path, std::string& out, std::string* reason)
{
    FileCursor f(path);
    if (!openCodeplug(f, reason)) return false;
    std::uint32_t length = 0;
    if (!toInfoText(f, length, reason)) return false;
    if (length == 0) return fail(reason, "the file has no information text");
    if (length > kMaxInfoBytes) return fail(reason, "the information text is too long");
    std::string text(length, '\0');
    if (!f.read(text.data(), length)) return fail(reason, "the information text cannot be read");
    out = std::move(text);
    return true;
}

bool CCodeplugFile::readImage(const std::string& path, std::span<std::uint8_t, kImageSize> image,
                              std::size_t& count, std::string* reason)
{
    FileCursor f(path);
    if (!openCodeplug(f, reason)) return false;
    std::uint32_t length = 0;
    if (!toInfoText(f, length, reason) || !f.skip(length)) return false;

    // The reserved block is skipped when it is there; the image block follows.
    std::uint32_t tag = 0;
    if (!f.readU32(tag) || !f.readU32(length)) return fail(reason, "the file ends before its image block");
    if (tag == kReservedTag && !f.skip(length)) return fail(reason, "the file ends inside its reserved block");
    if (!f.readU32(tag) || tag != kImageTag) return fail(reason, "the image block is missing");
    if (!f.readU32(length)) return fail(reason, "the file ends inside the image block");
    if (length == 0) return fail(reason, "the image block is empty");
    if (length > kImageSize)
        return fail(reason, "the image block holds " + std::to_string(length) + " bytes, more than the " +
                                std::to_string(kImageSize) + "-byte codeplug");
    // Read into a copy first so that a file that ends early changes nothing.
    std::vector<std::uint8_t> bytes(length);
    if (!f.read(bytes.data(), length)) return fail(reason, "the file ends inside the image block");
    std::copy(bytes.begin(), bytes.end(), image.begin());
    count = length;
    return true;
}

bool CCodeplugFile::setHeader(const CodeplugHeader& header)
{
    if (!hasHeaderTag(header)) return false;
    header_ = header;
    return true;
}

std::string CCodeplugFile::serialize(std::string_view info, std::span<const std::uint8_t, kImageSize> image) const
{
    std::string out;
    out.reserve(kHeaderEnd + 24 + info.size() + kImageSize);
    out.append(kMagic, 3);
    out.append(reinterpret_cast<const char*>(header_.data()), header_.size());
    putU32(out, kInfoTag);
    putU32(out, static_cast<std::uint32_t>(info.size()));
    out.append(info);
    putU32(out, kReservedTag);
    putU32(out, 0);
    putU32(out, kImageTag);
    putU32(out, static_cast<std::uint32_t>(kImageSize));
    out.append(reinterpret_cast<const char*>(image.data()), image.size());
    return out;
}

Outcome CCodeplugFile::write(const std::string& path, std::string_view info,
                             std::span<const std::uint8_t, kImageSize> image, EmptyInfo empty) const
{
    if (!hasHeaderTag(header_)) return Outcome::failure(MsgId::kSaveFailed, {path, "no valid header to write"});
    if (info.size() > kMaxInfoBytes)
        return Outcome::failure(MsgId::kSaveFailed, {path, "the information text is too long"});
    std::string kept;
    if (info.empty() && empty == EmptyInfo::KeepExisting && readFileInformation(path, kept)) info = kept;
    std::string error;
    if (!writeFileAtomically(path, serialize(info, image), &error))
        return Outcome::failure(MsgId::kSaveFailed, {path, error});
    return Outcome::success();
}
