#pragma once
// A document with the radio commands over a simulated QAV410 radio whose
// memory holds a known pattern.
#include "DocumentFixture.h"

#include "app/RadioCommands.h"
#include "sim/SimRadio.h"

#include <memory>

class RadioDocumentTest : public DocumentTest {
protected:
    void SetUp() override
    {
        DocumentTest::SetUp();
        SimIdentity id;
        id.productId = "QAV410";
        id.modelName = "QA-410";
        id.lowEdge = 40000000;
        id.highEdge = 47000000;
        id.bandFlags = 2;
        radio.setIdentity(id);
        SimRadio::Memory mem;
        for (std::size_t i = 0; i < mem.size(); ++i) mem[i] = static_cast<std::uint8_t>(i * 3 + 1);
        radio.setMemory(mem);
        commands = &root_->radio();
    }

    SimRadio radio;
    RadioCommands* commands = nullptr;
};
