#pragma once
// The Factory Mode values of a codeplug image, through a store of their
// own: the blocks the radio exchanges (radio information, the factory
// settings block, the miscellaneous bytes it shares) are unpacked, loaded
// into the form, and after a store packed back. Only the bytes that Factory
// Mode writes to the radio are replaced in the image.
#include "app/FactorySettingsForm.h"
#include "link/ImageSessions.h"

// `freqRange` is the range text the range edits show ("136-174").
FactorySettingsForm factoryFormOfImage(const RadioImage& image, const std::string& freqRange);

// `image` with `form` stored in its factory blocks; bits the form does not
// name keep their values. `modelId` fills the model identifier bytes.
void storeFactoryFormInImage(RadioImage& image, const FactorySettingsForm& form, const std::string& modelId,
                             const ProfileFile& volume);
