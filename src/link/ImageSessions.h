#pragma once
// Reading the whole codeplug image from the radio and writing its user
// areas back. Each call runs the whole session on the calling thread (the
// front end puts it on a worker); progress is reported through the context.
#include "link/SessionContext.h"
#include "link/TransferResult.h"

#include <array>
#include <cstdint>

using RadioImage = std::array<std::uint8_t, 8192>;

// Finds the radio, checks that it may be read (fresh-read identity check),
// enters read mode (password when asked) and reads all 256 blocks. `image`
// is replaced only when every block arrived. Success carries message 1136;
// the result holds the radio's identity and band for the caller to take
// over.
TransferResult readFromRadio(SessionContext& ctx, RadioImage& image);

// Finds the radio, checks it is the current model and that the current
// range lies within its band, enters write mode (password when asked) and
// writes regions A, B and C, then the programming stamp of the current
// local time. On success the stamp is in image bytes 32-39 and the message
// is 1137.
TransferResult writeToRadio(SessionContext& ctx, RadioImage& image);
