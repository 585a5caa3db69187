#pragma once
// Conversion between the codeplug image and the sections of the store,
// walking the memory map (MemoryMap.h). It keeps no state.
class CCodeplugData;

class CCodeplugMapper {
public:
    // Rebuilds every section from the store's image, then resolves links.
    void unpack(CCodeplugData& store) const;
    // Writes every section into a freshly 0xFF-filled image. Updates the
    // list link offsets and the two-tone system count bits in the records.
    void pack(CCodeplugData& store) const;
    // Re-derives the links of every list record from its stored numbers.
    void resolveLinks(CCodeplugData& store) const;
    // Re-reads only the radio information section (after a radio write put
    // the programming stamp into the image).
    void unpackRadioInfo(CCodeplugData& store) const;
};
