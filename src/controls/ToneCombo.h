#pragma once
// The tone boxes of the channel editors: editable combo boxes listing the
// standard tones, whose edit field takes only what a tone of that kind can
// be written with, so a non-standard tone can still be typed.
class QComboBox;

// CTCSS: the 50 standard tones in Hz, digits and a decimal point, five characters.
void makeCtcssCombo(QComboBox* combo);
// CDCSS: the 104 standard codes, octal digits, three characters.
void makeCdcssCombo(QComboBox* combo);
