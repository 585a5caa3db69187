#include "views/ViewEmbedded.h"

#include "controls/CharFilterEdit.h"
#include "controls/ControlId.h"
#include "controls/LanguageSource.h"
#include "link/TuningSessions.h"
#include "model/EmbeddedMessageRecord.h"
#include "settings/TextIds.h"
#include "views/DlgPasswordEntry.h"
#include "views/EditorRegistry.h"
#include "views/ViewIds.h"

#include <QApplication>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QStatusTipEvent>
#include <QTimer>

#include <algorithm>
#include <memory>

namespace {

using RecordBytes = std::uint8_t[EmbeddedMessageField::kSize];

constexpr FormControl kControls[] = {
    {4702, FormKind::Label, "Message NO.1"},
    {4703, FormKind::DigitEdit},
    {4704, FormKind::Label, "Message NO.2"},
    {4705, FormKind::DigitEdit},
    {4706, FormKind::Label, "Message NO.3"},
    {4707, FormKind::DigitEdit},
    {4708, FormKind::Label, "Message NO.4"},
    {4709, FormKind::DigitEdit},
    {CViewEmbedded::kWrite, FormKind::Button, "Write"},
    {CViewEmbedded::kChangePassword, FormKind::Button, "Change Password", nullptr, true},
};

// The characters one byte of the record can hold and the radio shows.
QString radioCharacters()
{
    QString set;
    for (int c = 0x20; c <= 0xFF; ++c)
        if (c < 0x7F || c >= 0xA0) set += QChar(c);
    return set;
}

// A text field of the record: never programmed (first byte 0xFF) or up to
// its first zero byte, without the blanks that pad it.
QString fieldText(const Record& r, Offset off, std::size_t len)
{
    const auto bytes = r.bytes(off, len);
    if (bytes.empty() || bytes[0] == 0xFF) return {};
    const auto end = std::find(bytes.begin(), bytes.end(), std::uint8_t{0});
    QString text = QString::fromLatin1(reinterpret_cast<const char*>(bytes.data()), end - bytes.begin());
    while (text.endsWith(QLatin1Char(' '))) text.chop(1);
    return text;
}

// A message: cut to its field and padded with blanks. A message that reads
// as it did keeps its bytes (a never programmed or zero-filled field stays
// as the radio has it).
class MessageBinder : public FieldBinder {
public:
    MessageBinder(QLineEdit* edit, const BoundField& field) : FieldBinder(edit, field), edit_(edit) {}
    void load(const Record& r) override { edit_->setText(fieldText(r, field().offset, field().length)); }
    void save(Record& r) override
    {
        if (edit_->text() == fieldText(r, field().offset, field().length)) return;
        const QByteArray bytes = edit_->text().toLatin1().left(static_cast<int>(field().length));
        r.setText(field().offset, field().length, bytes.toStdString(), ' ');
    }
    void clear() override { edit_->clear(); }

private:
    QLineEdit* edit_;
};

}  // namespace

CViewEmbedded::CViewEmbedded(EditorContext& context, QWidget* parent)
    : CCustomFormView(*EditorRegistry::find(ViewCommand::kEmbedded), context, parent)
{
    asker_ = [this](QWidget* parentWidget) -> std::optional<QString> {
        CDlgPasswordEntry dialog(this->context().language(), 8, parentWidget);
        if (dialog.exec() != QDialog::Accepted) return std::nullopt;
        return dialog.password();
    };
    // The messages are the radio's: read them once the window is up; a
    // window closed before then reads nothing.
    QTimer::singleShot(10, this, [this] {
        if (QWidget* window = outerWindow(); window != this && !window->isVisible()) return;
        readFromRadio();
    });
}

QWidget* CViewEmbedded::outerWindow()
{
    QWidget* window = this;
    for (QWidget* w = parentWidget(); w; w = w->parentWidget())
        if (qobject_cast<QMdiSubWindow*>(w)) window = w;
    return window;
}

FormTable CViewEmbedded::controls() { return {Section::EmbeddedMessage, kControls}; }

void CViewEmbedded::buildForm(QWidget* form)
{
    buildFormControls(form, controls(), bindings());
    form->setWindowTitle(QStringLiteral("Embedded Message"));
    const QString allowed = radioCharacters();
    for (int k = 0; k < EmbeddedMessageField::kMessageCount; ++k) {
        auto* edit = findControlAs<CCharFilterEdit>(form, messageEdit(k));
        edit->setAllowedChars(allowed);
        edit->setMaxLength(static_cast<int>(EmbeddedMessageField::kMessageLength));
        connect(edit, &CCharFilterEdit::inputRefused, this, [this] {
            const std::string text = context().language().message(kCharacterRefused);
            QStatusTipEvent tip(text.empty() ? QStringLiteral("The radio cannot show this character.")
                                             : QString::fromStdString(text));
            QApplication::sendEvent(this, &tip);
        });
        if (const BoundField* f = findField(Section::EmbeddedMessage, "message_%", k))
            bindings().add(std::make_unique<MessageBinder>(edit, *f));
    }
    connect(findControlAs<QPushButton>(form, kWrite), &QPushButton::clicked, this, &CViewEmbedded::writeToRadio);
    // The radio offers no way to change the message password from here.
    findControlAs<QPushButton>(form, kChangePassword)->setEnabled(false);
}

void CViewEmbedded::commit(int controlId)
{
    if (controlId == kWrite || controlId == kChangePassword) return;   // the button's own handler acts
    CCustomFormView::commit(controlId);
}

QString CViewEmbedded::messagePassword() const
{
    const Record* r = currentRecord();
    return r ? fieldText(*r, EmbeddedMessageField::Password, EmbeddedMessageField::kShortLength) : QString();
}

bool CViewEmbedded::readFromRadio()
{
    Record* record = currentRecord();
    if (!record) return false;
    auto buffer = std::make_shared<std::array<std::uint8_t, EmbeddedMessageField::kSize>>();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    // The session runs its own event loop, in which this window may be deleted.
    const QPointer<CViewEmbedded> self(this);
    const TransferResult r = context().runRadioSession(
        [buffer](SessionContext& ctx) {
            CRadioLink link(ctx.ports, ctx.timing);
            RecordBytes bytes{};
            bool rangeChanged = false;
            TransferResult result = readEmbeddedMessages(link, ctx, bytes, rangeChanged);
            std::copy(std::begin(bytes), std::end(bytes), buffer->begin());
            return result;
        },
        false);
    QApplication::restoreOverrideCursor();
    if (!self) return false;
    if (!r.outcome.ok) {
        // Without the radio's messages there is nothing to edit.
        QTimer::singleShot(0, outerWindow(), &QWidget::close);
        return false;
    }
    record = currentRecord();   // the store may have changed while the dialog ran
    if (!record) return false;
    record->setBytes(0, std::vector<std::uint8_t>(buffer->begin(), buffer->end()));
    reloadControls();
    ChangeNotice n;
    n.source = this;
    n.caption = windowTitle().toStdString();
    announce(n);
    return true;
}

bool CViewEmbedded::checkPassword()
{
    const QString password = messagePassword();
    if (password.isEmpty()) return true;
    for (int attempt = 1; attempt <= 3; ++attempt) {
        const std::optional<QString> entered = asker_ ? asker_(this) : std::nullopt;
        if (!entered) return false;
        if (*entered == password) return true;
        emit pageMessage(MsgId::kRadioWrongPassword);
    }
    return false;
}

bool CViewEmbedded::writeToRadio()
{
    save();
    Record* record = currentRecord();
    if (!record || !checkPassword()) return false;
    auto buffer = std::make_shared<std::array<std::uint8_t, EmbeddedMessageField::kSize>>();
    const auto bytes = record->bytes(0, EmbeddedMessageField::kSize);
    std::copy(bytes.begin(), bytes.end(), buffer->begin());
    const TransferResult r = context().runRadioSession(
        [buffer](SessionContext& ctx) {
            CRadioLink link(ctx.ports, ctx.timing);
            RecordBytes out{};
            std::copy(buffer->begin(), buffer->end(), std::begin(out));
            bool rangeChanged = false;
            return writeEmbeddedMessages(link, ctx, out, rangeChanged);
        },
        true);
    return r.outcome.ok;
}
