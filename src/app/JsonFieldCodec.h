#pragma once
// One field value in JSON and back. A value is written as the editors show
// it (option text, MHz, tone, text) only when reading that form back gives
// the very same bits; otherwise as the raw number (or bytes), so nothing a
// file holds is lost in JSON. Decoders return "" or what is wrong.
#include "app/CodeplugJson.h"
#include "model/FieldTable.h"

#include <cstdint>
#include <nlohmann/json.hpp>
#include <span>
#include <string>
#include <vector>

nlohmann::ordered_json encodeField(const Record& record, const FieldDesc& field, const OptionNames& names);
std::string decodeField(const nlohmann::json& value, const FieldDesc& field, const OptionNames& names, Record& record);

// Bytes of a text: a string when they are UTF-8 text without control
// characters followed only by zero bytes; {"hex": "..."} otherwise.
nlohmann::ordered_json encodeTextBytes(std::span<const std::uint8_t> bytes);
// Into a fixed run of bytes (zero-padded; a longer text is refused).
std::string decodeTextBytes(const nlohmann::json& value, std::span<std::uint8_t> out);
// Into bytes of any length.
std::string decodeTextBytes(const nlohmann::json& value, std::vector<std::uint8_t>& out);

// A non-negative integer no larger than `max`.
std::string decodeNumber(const nlohmann::json& value, std::uint64_t max, std::uint64_t& out);

// Upper-case hexadecimal pairs, and back into exactly out.size() bytes.
std::string hexText(std::span<const std::uint8_t> bytes);
std::string decodeHex(const nlohmann::json& value, std::span<std::uint8_t> out);
