#pragma once
// What a byte of the codeplug image belongs to: the section, the record
// (for the lists) and the fields of that record that cover the byte, from
// the memory map and the sections' field schemas. The data watch names a
// changed byte with it, so "0x1A0: FF -> 05" can be read as a channel's
// receive frequency.
#include "model/Section.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

struct ImageByteOwner {
    Section section;                  // the record kind the byte is held in
    int record;                       // 0-based slot of a list; 0 for a fixed section
    bool list;                        // the section holds several records
    std::size_t recordByte;           // the byte's place inside the record
    std::vector<std::string> fields;  // every field covering the byte (bit fields share one)
};

// nullopt for a byte no section owns.
std::optional<ImageByteOwner> imageByteOwner(std::size_t offset);

// "channel 3, rx_frequency"; "radio_information, model_name"; empty for a
// byte no section owns. A byte between fields is named by its place.
std::string imageByteText(std::size_t offset);
