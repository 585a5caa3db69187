// The value decoders the editors, the printout and the dump apply to what
// an untrusted image holds: every tone word, frequency words of every kind
// (valid BCD or not), digit and password bytes of any value, and the typed
// texts that are read back into them. None may fail on any value.
#include "MutationKit.h"

#include "model/ChannelStep.h"
#include "model/DigitBcd.h"
#include "model/EmbeddedMessageRecord.h"
#include "model/FreqBcd.h"
#include "model/FreqEntry.h"
#include "model/PasswordRecord.h"
#include "model/ToneWord.h"

#include <gtest/gtest.h>

TEST(DecoderMutation, EveryToneWord)
{
    for (std::uint32_t w = 0; w <= 0xFFFF; ++w) {
        const auto word = static_cast<std::uint16_t>(w);
        const std::string c = ToneWord::ctcssBoxText(word);
        const std::string d = ToneWord::cdcssBoxText(word);
        EXPECT_LT(c.size() + d.size(), 64u);
        if (w % 97 == 0) {
            ToneWord::ctcssText(ToneWord::value(word));
            ToneWord::cdcssText(ToneWord::value(word));
            for (unsigned type = 0; type < 4; ++type) ToneWord::write(word, type, c, d);
        }
    }
}

TEST(DecoderMutation, FrequencyWordsOfAnyValue)
{
    Mutator m(77);
    const FreqBand band = FreqBand::fromMHz(136, 174);
    const FreqBand odd = FreqBand::fromMHz(-5, 99999);
    for (int i = 0; i < scaled(200000); ++i) {
        std::uint32_t word = static_cast<std::uint32_t>(m.rng()());
        if (i < 64) word = i % 2 ? 0xFFFFFFFFu >> (i / 2) : 0xFFFFFFFFu << (i / 2);
        const std::uint32_t units = FreqBcd::toUnits(word);
        EXPECT_LT(FreqBcd::text(word).size(), 32u);
        FreqBcd::unitsText(units);
        FreqBcd::fromUnits(units);
        FreqBcd::fromUnits(word);
        classifyDialogStep(units);
        classifyGridStep(units);
        gridDisplayUnits(units);
        clampToBand(units, band);
        clampWordToBand(word, odd);
    }
}

TEST(DecoderMutation, DigitsPasswordsAndMessagesOfAnyBytes)
{
    Mutator m(78);
    for (int i = 0; i < scaled(3000); ++i) {
        Record password(PasswordField::kSize, m.byte());
        Record message(144, m.byte());
        for (std::size_t k = 0; k < password.size(); ++k) password.setU8(k, m.byte());
        for (std::size_t k = 0; k < message.size(); ++k) message.setU8(k, m.byte());
        EXPECT_LE(passwordText(password, PasswordField::Write).size(), 2 * PasswordField::kLength);
        passwordText(password, PasswordField::Read);
        passwordText(password, PasswordField::PowerOn);
        embeddedText(message, EmbeddedMessageField::message(static_cast<int>(m.below(4))), 32);
        DigitBcd::text(password.span().subspan(m.below(8), 1 + m.below(16)));
    }
}

TEST(DecoderMutation, TypedTextsOfAnyKind)
{
    Mutator m(79);
    const FreqBand band = FreqBand::fromMHz(400, 470);
    const char* seeds[] = {"438.0125", "", "136", "99999999999999", "-1", "470.00001", "1e9", "023", "88.5"};
    for (int i = 0; i < scaled(4000); ++i) {
        const std::string text = m.mutate(seeds[m.below(9)], 3);
        readDialogFreq(text, band, m.chance(50));
        readGridFreq(text, band, m.chance(50));
        FreqBcd::parseUnits(text);
        EXPECT_LE(ToneWord::parseCtcss(text), 3000u);
        EXPECT_LE(ToneWord::parseCdcss(text).code, 511u);
        std::uint8_t digits[8];
        DigitBcd::pack(text, digits);
        Record password(PasswordField::kSize, 0xFF);
        setPasswordText(password, PasswordField::Write, text);
    }
}
