#pragma once
// A frequency edit in MHz. It keeps the BCD word and step code of what it
// shows; when it loses focus the text is parsed, clamped to the model band,
// put on the channel-step grid and shown again in the canonical form. A
// clamp asks for the out-of-band message, delivered after the focus change
// has finished (so the message box cannot disturb it).
#include "controls/CharFilterEdit.h"
#include "model/FreqEntry.h"

#include <cstdint>

class CFreqEdit : public CCharFilterEdit {
    Q_OBJECT
public:
    explicit CFreqEdit(QWidget* parent = nullptr);

    void setBand(const FreqBand& band) { band_ = band; }
    const FreqBand& band() const { return band_; }
    // Whether an empty text means "no frequency" (otherwise it reads as 0 and is clamped).
    void setMayBeEmpty(bool on) { mayBeEmpty_ = on; }

    // Shows a stored word (the empty word shows as an empty text).
    void setWord(std::uint32_t word);
    // The word and step code of the text; the text is committed first.
    std::uint32_t word();
    std::uint8_t stepCode();

    void commitText();

signals:
    // The language string to show, posted after a clamp.
    void pageMessage(int stringId);

protected:
    void focusOutEvent(QFocusEvent* event) override;

private:
    FreqBand band_;
    bool mayBeEmpty_ = false;
    std::uint32_t word_ = 0xFFFFFFFFu;
    std::uint8_t step_ = 15;
    QString committed_;   // text that word_ and step_ belong to
};
