#pragma once
// The radio sessions outside the image transfer: the tuning connection
// (mode 3 before the tune data is written, mode 6 for the adjustment
// screens), Write Tune Data, and the Factory Mode transfers.
#include "link/ImageSessions.h"
#include "link/RadioLink.h"

struct TuningConnection {
    TransferResult result;
    // The radio's band differed from the current range: the caller resets
    // the document to the defaults of the new range.
    bool rangeChanged = false;
};

// Mode 3 or 6 on `link`, which stays open when the connection succeeds.
// Mode 3 refuses a radio of another band (1142); with mode 6 the caller
// takes the radio's band as the current range.
TuningConnection openTuningConnection(CRadioLink& link, SessionContext& ctx, std::uint16_t mode);

// Writes image bytes 5667-6198 in 17 blocks after a mode-3 tuning
// connection, then leaves programming mode whether or not it worked, and
// closes the port. Success carries message 1153; a failed block 1139.
TuningConnection writeTuneData(CRadioLink& link, SessionContext& ctx, const RadioImage& image);

// Factory Mode: the factory settings blocks of `image`. A read replaces
// them only when every block arrived, and then learns the range its band
// words give (result.bandWordsRange); the result's identity holds the
// radio's firmware version.
TransferResult factoryRead(CRadioLink& link, SessionContext& ctx, RadioImage& image);
TransferResult factoryWrite(CRadioLink& link, SessionContext& ctx, const RadioImage& image);
// Writes image byte 181 (the tune switch, set by the caller) alone.
TransferResult writeTuneSwitch(CRadioLink& link, SessionContext& ctx, const RadioImage& image);

// The embedded messages (144 bytes kept at image 5160), read and written
// directly by their editor.
TransferResult readEmbeddedMessages(CRadioLink& link, SessionContext& ctx, std::uint8_t (&record)[144],
                                    bool& rangeChanged);
TransferResult writeEmbeddedMessages(CRadioLink& link, SessionContext& ctx, const std::uint8_t (&record)[144],
                                     bool& rangeChanged);
