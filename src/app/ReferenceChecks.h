#pragma once
// The records' own checks: every channel, scan list, two-tone system and
// personality looks at the records it refers to and reports each reference
// that leads nowhere to the invalid-value list. The desktop program runs
// checkReferences after a record was deleted; validateAll is the full check
// that guards Save, Save As and Write to Radio.
#include "app/InvalidValueList.h"

#include <functional>
#include <string>

class CCodeplugData;

// Caption text lookup (language file, S02).
using CaptionLookup = std::function<std::string(int id)>;

// Adds one entry per invalid reference (entries already listed stay once).
void checkReferences(const CCodeplugData& store, InvalidValueList& list, const CaptionLookup& caption);

// Empties the list, runs every check and returns the number of entries.
std::size_t validateAll(const CCodeplugData& store, InvalidValueList& list, const CaptionLookup& caption);

// The key a record uses for the entry of one of its controls.
constexpr int invalidEntryKey(int recordId, int controlId) { return recordId + 65535 + controlId; }
