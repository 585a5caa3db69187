#pragma once
// A simulated radio as the factory ships it for a model and range: its
// identity answers with the model's product identifier, name and band, and
// its memory holds the model's factory codeplug. Both programs offer it as
// the port "sim", so read, save, edit and write work without a radio.
#include "sim/SimRadio.h"

struct ModelValues;

// The factory codeplug of `model`, packed as the radio would hold it.
SimRadio::Memory factoryMemory(const ModelValues& model);
// `base` answering as `model`: product identifier, name, band edges (when
// the range reads as one) and band flags.
SimIdentity identityFor(const ModelValues& model, SimIdentity base = {});
