#pragma once
// Reader and writer of codeplug files:
//
//   off        size  content
//     0           3  magic "QAV"
//     3         116  header (CodeplugFileHeader.h)
//   119           4  file-information tag 0x10104D58      123  4  L1
//   127          L1  file-information text, no terminator
//   127+L1        4  reserved-block tag 0x10104658   131+L1  4  L2 = 0
//   135+L1        4  image-block tag 0x10104558      139+L1  4  L3 = 8192
//   143+L1       L3  the packed codeplug image
//
// Files are untrusted: every length is checked against the file before
// anything is read, an image block longer than the image is refused, and a
// failed read leaves the caller's image untouched. Writing goes through a
// temporary file that replaces the old file only once it is complete.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "model/CodeplugFileHeader.h"
#include "settings/Outcome.h"

namespace CodeplugFormat {
constexpr std::size_t kImageSize = 8192;
constexpr std::uint32_t kInfoTag = 0x10104D58;
constexpr std::uint32_t kReservedTag = 0x10104658;
constexpr std::uint32_t kImageTag = 0x10104558;
constexpr std::size_t kHeaderEnd = 119;  // magic plus header
// An information text beyond this is not taken into memory.
constexpr std::size_t kMaxInfoBytes = 16u * 1024u * 1024u;
}  // namespace CodeplugFormat

class CCodeplugFile {
public:
    // A failed read says why in `reason` when it is given.
    static bool readHeader(const std::string& path, CodeplugHeader& out, std::string* reason = nullptr);
    static bool readFileInformation(const std::string& path, std::string& out, std::string* reason = nullptr);
    // Reads the image block into `image`. A block shorter than the image
    // replaces only its first `count` bytes; a longer one is refused.
    static bool readImage(const std::string& path, std::span<std::uint8_t, CodeplugFormat::kImageSize> image,
                          std::size_t& count, std::string* reason = nullptr);

    // Accepts the header only when it starts with the header tag.
    bool setHeader(const CodeplugHeader& header);
    const CodeplugHeader& header() const { return header_; }

    // What an empty information text means to write().
    enum class EmptyInfo {
        KeepExisting,  // keep the text of the file being replaced (Save)
        WriteEmpty,    // write no text (a copy of a file that had none)
    };

    // Writes the file. An empty `info` keeps the information text of the
    // file already at `path`, when it has a readable one, unless told to
    // write it empty. On failure the outcome is message 803 with the path
    // and the reason; the previous file is left as it was.
    Outcome write(const std::string& path, std::string_view info,
                  std::span<const std::uint8_t, CodeplugFormat::kImageSize> image,
                  EmptyInfo empty = EmptyInfo::KeepExisting) const;

    // The bytes write() puts in a file.
    std::string serialize(std::string_view info, std::span<const std::uint8_t, CodeplugFormat::kImageSize> image) const;

private:
    CodeplugHeader header_{};
};
