#pragma once
// Test-frequency record, 205 bytes. Frequency words are held in host order
// (high byte first in the image).
//
//  10k+0..3  test k receive (k = 0-15)   10k+4..7 test k transmit
//  10k+8     rx step code                10k+9    tx step code
//  160+4i    point i receive (i = 0-4)   180+4i   point i transmit
//  200+i     point i step codes: rx bits 0-3, tx bits 4-7
#include "model/FieldTable.h"
#include "model/Record.h"

#include <span>

struct ModelValues;

namespace TestFreqField {
constexpr std::size_t kSize = 205;
constexpr int kTestCount = 16;
constexpr int kPointCount = 5;
constexpr Offset testRx(int k) { return static_cast<Offset>(10 * k); }
constexpr Offset testTx(int k) { return static_cast<Offset>(10 * k + 4); }
constexpr Offset testRxStep(int k) { return static_cast<Offset>(10 * k + 8); }
constexpr Offset testTxStep(int k) { return static_cast<Offset>(10 * k + 9); }
constexpr Offset pointRx(int i) { return static_cast<Offset>(160 + 4 * i); }
constexpr Offset pointTx(int i) { return static_cast<Offset>(180 + 4 * i); }
constexpr Offset pointSteps(int i) { return static_cast<Offset>(200 + i); }
}  // namespace TestFreqField

// Test and point frequencies spread over the current band.
void loadTestFreqFactoryValues(Record& testFreq, const ModelValues& model);

std::span<const FieldDesc> testFreqSchema();
