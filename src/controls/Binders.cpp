#include "controls/Binders.h"

#include "controls/BcdDigitEdit.h"
#include "controls/FreqEdit.h"
#include "controls/RangeValueEdit.h"
#include "model/ToneWord.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>

OptionComboBinder::OptionComboBinder(QComboBox* combo, const BoundField& field) : FieldBinder(combo, field), combo_(combo) {}

void OptionComboBinder::load(const Record& record)
{
    combo_->setCurrentIndex(combo_->findData(static_cast<int>(readField(record, field()))));
}

void OptionComboBinder::save(Record& record)
{
    if (combo_->currentIndex() < 0) return;
    bool ok = false;
    const int value = combo_->currentData().toInt(&ok);
    if (ok) writeField(record, field(), static_cast<std::uint32_t>(value));
}

void OptionComboBinder::clear() { combo_->setCurrentIndex(-1); }

CheckBinder::CheckBinder(QAbstractButton* check, const BoundField& field) : FieldBinder(check, field), check_(check) {}

void CheckBinder::load(const Record& record) { check_->setChecked(readField(record, field()) != 0); }

void CheckBinder::save(Record& record) { writeField(record, field(), check_->isChecked() ? 1 : 0); }

void CheckBinder::clear() { check_->setChecked(false); }

TextBinder::TextBinder(QLineEdit* edit, const BoundField& field) : FieldBinder(edit, field), edit_(edit) {}

void TextBinder::load(const Record& record)
{
    QString text;
    for (std::uint8_t b : record.bytes(field().offset, field().length)) {
        if (b == 0) break;
        text += QChar(b);
    }
    edit_->setText(text);
}

void TextBinder::save(Record& record)
{
    record.setText(field().offset, field().length, edit_->text().toLatin1().toStdString(), '\0');
}

void TextBinder::clear() { edit_->clear(); }

FreqBinder::FreqBinder(CFreqEdit* edit, const BoundField& field) : FieldBinder(edit, field), edit_(edit) {}

void FreqBinder::load(const Record& record) { edit_->setWord(readField(record, field())); }

void FreqBinder::save(Record& record) { writeField(record, field(), edit_->word()); }

void FreqBinder::clear() { edit_->clear(); }

RangeBinder::RangeBinder(CRangeValueEdit* edit, const BoundField& field) : FieldBinder(edit, field), edit_(edit) {}

void RangeBinder::load(const Record& record) { edit_->setValue(static_cast<int>(readField(record, field()))); }

void RangeBinder::save(Record& record) { writeField(record, field(), static_cast<std::uint32_t>(edit_->value())); }

void RangeBinder::clear() { edit_->clear(); }

BcdDigitsBinder::BcdDigitsBinder(CBcdDigitEdit* edit, const BoundField& field) : FieldBinder(edit, field), edit_(edit)
{
    edit->setDigitCount(static_cast<int>(field.length * 2));
}

void BcdDigitsBinder::load(const Record& record)
{
    const auto bytes = record.bytes(field().offset, field().length);
    edit_->setBytes(std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
}

void BcdDigitsBinder::save(Record& record)
{
    const std::vector<std::uint8_t> bytes = edit_->bytes();
    if (bytes.size() == field().length) record.setBytes(field().offset, bytes);
}

void BcdDigitsBinder::clear() { edit_->clear(); }

TonePairBinder::TonePairBinder(QComboBox* type, QComboBox* ctcss, QComboBox* cdcss, const BoundField& field)
    : FieldBinder(type, field), type_(type), ctcss_(ctcss), cdcss_(cdcss)
{
}

void TonePairBinder::load(const Record& record)
{
    const auto word = static_cast<std::uint16_t>(readField(record, field()));
    type_->setCurrentIndex(type_->findData(static_cast<int>(ToneWord::type(word))));
    ctcss_->setEditText(QString::fromStdString(ToneWord::ctcssBoxText(word)));
    cdcss_->setEditText(QString::fromStdString(ToneWord::cdcssBoxText(word)));
}

void TonePairBinder::save(Record& record)
{
    if (type_->currentIndex() < 0) return;
    const auto old = static_cast<std::uint16_t>(readField(record, field()));
    const auto type = static_cast<unsigned>(type_->currentData().toInt());
    writeField(record, field(),
               ToneWord::write(old, type, ctcss_->currentText().toStdString(), cdcss_->currentText().toStdString()));
}

void TonePairBinder::clear()
{
    type_->setCurrentIndex(-1);
    ctcss_->setEditText({});
    cdcss_->setEditText({});
}

std::unique_ptr<FieldBinder> makeBinder(QWidget* control, const BoundField& f)
{
    const bool number = isNumericField(f);
    if (auto* e = qobject_cast<CFreqEdit*>(control))
        return f.kind == FieldKind::BcdFreq ? std::make_unique<FreqBinder>(e, f) : nullptr;
    if (auto* e = qobject_cast<CRangeValueEdit*>(control))
        return number ? std::make_unique<RangeBinder>(e, f) : nullptr;
    if (auto* e = qobject_cast<CBcdDigitEdit*>(control))
        return f.kind == FieldKind::BcdDigits ? std::make_unique<BcdDigitsBinder>(e, f) : nullptr;
    if (auto* e = qobject_cast<QLineEdit*>(control))
        return f.kind == FieldKind::Text ? std::make_unique<TextBinder>(e, f) : nullptr;
    if (auto* c = qobject_cast<QComboBox*>(control))
        return number && f.kind != FieldKind::BcdFreq ? std::make_unique<OptionComboBinder>(c, f) : nullptr;
    if (auto* b = qobject_cast<QAbstractButton*>(control); b && b->isCheckable()) {
        const bool oneBit = f.kind == FieldKind::Bits && f.bitCount == 1;
        return oneBit ? std::make_unique<CheckBinder>(b, f) : nullptr;
    }
    return nullptr;
}
