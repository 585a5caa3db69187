#pragma once
// A copy of everything the section store's editors can change: the fixed
// records, and every record of the six lists with its id and its links.
// Putting a snapshot back (CCodeplugData::restore) gives the records their
// old ids, so editors that hold a record by id find it again.
#include "model/Record.h"

#include <array>
#include <vector>

struct StoreSnapshot {
    struct Entry {
        int id = 0;
        Record record;
        std::vector<int> links;  // the ids the record refers to, in its item's order
        bool operator==(const Entry&) const = default;
    };
    std::vector<Record> fixed;                    // in the store's order of fixed sections
    std::array<std::vector<Entry>, 6> lists;      // channels, personalities, scan lists,
                                                  // alert tones, two-tone systems, two-tone calls
    bool operator==(const StoreSnapshot&) const = default;
};
