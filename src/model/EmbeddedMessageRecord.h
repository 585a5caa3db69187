#pragma once
// Embedded-message record, 144 bytes of blank-padded text:
//  0-7 message password   8-15 second 8-character text   16+32k message k+1 (k = 0-3)
#include "model/FieldTable.h"
#include "model/Record.h"

#include <span>
#include <string>

namespace EmbeddedMessageField {
constexpr std::size_t kSize = 144;
constexpr Offset Password{0};
constexpr Offset Second{8};
constexpr std::size_t kShortLength = 8;
constexpr int kMessageCount = 4;
constexpr std::size_t kMessageLength = 32;
constexpr Offset message(int k) { return 16 + static_cast<Offset>(32 * k); }
}  // namespace EmbeddedMessageField

void loadEmbeddedMessageFactoryValues(Record& message);

// A field whose first byte is 0xFF was never programmed and reads as empty;
// otherwise its bytes with trailing blanks removed.
std::string embeddedText(const Record& message, Offset off, std::size_t len);

std::span<const FieldDesc> embeddedMessageSchema();
