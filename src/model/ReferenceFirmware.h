#pragma once
// The firmware version this program was built for. A radio's identity is
// checked against it (only its major digit must match), a new codeplug
// takes it as its firmware version, codeplug files carry it as their
// format version and the simulated radio reports it unless told otherwise.
inline constexpr const char* kReferenceFirmware = "1.04.07";
