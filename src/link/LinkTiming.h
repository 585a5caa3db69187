#pragma once
// The protocol's fixed waits. The defaults are the radio's; tests that are
// about something other than timing may shorten them against the
// in-process simulated radio, which answers at once.
struct LinkTiming {
    unsigned exchangeSleepMs = 30;  // after writing a request, before reading
    unsigned writeSleepMs = 10;     // before the transaction of a block write
    unsigned replyTimeoutMs = 50;   // for the whole reply
    unsigned connectSleepMs = 50;   // after opening a port, before the handshake
    int handshakeTries = 10;        // on the configured port
    int exchangesPerTransaction = 3;

    static LinkTiming radio() { return {}; }
    // For the in-process simulated radio only.
    static LinkTiming fast() { return {0, 0, 5, 0, 10, 3}; }
};
