#pragma once
// Replacing the whole channel list (an import): the scan list and the
// two-tone calls name channels by number, so numbers beyond the new list
// are mended here rather than left for validation to refuse the save.
#include "model/Record.h"

#include <string>
#include <vector>

class CCodeplugData;

// Puts `channels` in place of the store's channels and returns what was
// mended: scan members naming a channel that no longer exists are dropped
// (the others move up), and the scan list's designated, priority and third
// channels and a two-tone call's revert channel that name one become
// channel 1.
std::vector<std::string> replaceChannels(CCodeplugData& store, const std::vector<Record>& channels);
