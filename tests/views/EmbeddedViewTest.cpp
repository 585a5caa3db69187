// The embedded-message editor against the simulated radio, its sessions run
// on the test's thread in place of the program's progress dialog.
#include "SignallingFixture.h"
#include "link/SessionFixture.h"

#include "controls/CharFilterEdit.h"
#include "model/EmbeddedMessageRecord.h"
#include "settings/TextIds.h"
#include "views/ViewEmbedded.h"
#include "views/ViewIds.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QSignalSpy>

namespace {

constexpr std::size_t kAt = 5160;   // where the radio keeps the messages

struct EmbeddedFixture : SignallingFixture {
    SessionFixture radio;
    std::vector<QString> answers;   // the password dialog's answers, in order; then Cancel
    int asked = 0;
    int sessions = 0;

    EmbeddedFixture()
        : SignallingFixture(Section::EmbeddedMessage, EmbeddedMessageField::kSize, 1, 1, true, {{4701, 4711}})
    {
        ctx.setRadioRunner([this](EditorContext::RadioSession s, bool) {
            ++sessions;
            return s(radio.ctx);
        });
        storeInRadio("", "", {"HELLO", "", "Message three", std::string(32, 'x')});
    }
    void storeInRadio(const std::string& password, const std::string& second, std::vector<std::string> messages)
    {
        Record r(EmbeddedMessageField::kSize, 0);
        r.setText(EmbeddedMessageField::Password, 8, password, ' ');
        r.setText(EmbeddedMessageField::Second, 8, second, ' ');
        for (int k = 0; k < 4; ++k) r.setText(EmbeddedMessageField::message(k), 32, messages[std::size_t(k)], ' ');
        SimRadio::Memory mem = radio.radio.memory();
        const auto bytes = r.bytes(0, r.size());
        std::copy(bytes.begin(), bytes.end(), mem.begin() + kAt);
        radio.radio.setMemory(mem);
    }
    std::vector<std::uint8_t> radioBytes(std::size_t off, std::size_t len)
    {
        const auto mem = radio.radio.memory();
        return {mem.begin() + kAt + off, mem.begin() + kAt + off + len};
    }
    void openAndRead()
    {
        open(ViewCommand::kEmbedded);
        embedded()->setPasswordAsker([this](QWidget*) -> std::optional<QString> {
            ++asked;
            if (static_cast<std::size_t>(asked) > answers.size()) return std::nullopt;
            return answers[std::size_t(asked - 1)];
        });
        QTest::qWait(50);   // the read starts once the window is up
    }
    CViewEmbedded* embedded() { return static_cast<CViewEmbedded*>(view.get()); }
    QLineEdit* message(int k) { return control<QLineEdit>(CViewEmbedded::messageEdit(k)); }
};

TEST(ViewEmbedded, ReadsTheMessagesFromTheRadioWhenItOpens)
{
    EmbeddedFixture f;
    f.openAndRead();
    EXPECT_EQ(f.sessions, 1);
    EXPECT_EQ(f.message(0)->text(), "HELLO");
    EXPECT_EQ(f.message(1)->text(), "");
    EXPECT_EQ(f.message(2)->text(), "Message three");
    EXPECT_EQ(f.message(3)->text(), QString(32, 'x'));
    EXPECT_TRUE(f.view->isVisible());
    const auto r = f.record().bytes(0, 144);
    EXPECT_EQ(std::vector<std::uint8_t>(r.begin(), r.end()), f.radioBytes(0, 144));
}

TEST(ViewEmbedded, WritesEditedMessagesCutAndPaddedToTheRadio)
{
    EmbeddedFixture f;
    f.openAndRead();
    f.type(CViewEmbedded::messageEdit(0), "Hi", CViewEmbedded::messageEdit(1));
    f.type(CViewEmbedded::messageEdit(1), QString(40, 'y'), CViewEmbedded::messageEdit(2));
    EXPECT_EQ(f.message(1)->text().size(), 32) << "at most 32 characters";
    f.radio.radio.clearLog();
    f.control<QPushButton>(CViewEmbedded::kWrite)->click();
    std::vector<std::uint8_t> first(32, ' ');
    first[0] = 'H';
    first[1] = 'i';
    EXPECT_EQ(f.radioBytes(16, 32), first);
    EXPECT_EQ(f.radioBytes(48, 32), std::vector<std::uint8_t>(32, 'y'));
    EXPECT_EQ(f.radio.writes().size(), 5u);
    EXPECT_EQ(f.radio.writes()[0].first, kAt);
}

TEST(ViewEmbedded, CharactersTheRadioCannotShowAreRefused)
{
    EmbeddedFixture f;
    f.openAndRead();
    QSignalSpy refused(f.control<CCharFilterEdit>(CViewEmbedded::messageEdit(0)), &CCharFilterEdit::inputRefused);
    // Typed one character at a time, as a keyboard or an input method sends them.
    auto typeText = [&f](const QString& text) {
        QLineEdit* edit = f.message(0);
        edit->setFocus();
        edit->selectAll();
        for (QChar c : text) {
            QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(edit, &key);
        }
        f.message(1)->setFocus();
    };
    typeText(QStringLiteral("A\u4E2DB"));
    EXPECT_EQ(f.message(0)->text(), "AB");
    EXPECT_EQ(refused.count(), 1);
    typeText(QStringLiteral("caf\u00E9"));
    EXPECT_EQ(f.record().u8(EmbeddedMessageField::message(0) + 3), 0xE9) << "one byte a character";
}

TEST(ViewEmbedded, TheMessagePasswordIsAskedUpToThreeTimes)
{
    struct Case {
        const char* name;
        std::vector<QString> answers;
        bool written;
        int refusals;
    };
    const Case cases[] = {
        {"right at once", {"1234"}, true, 0},
        {"right at the third try", {"1", "2", "1234"}, true, 2},
        {"three wrong", {"1", "2", "3", "1234"}, false, 3},
        {"cancelled", {}, false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EmbeddedFixture f;
        f.storeInRadio("1234", "", {"a", "b", "c", "d"});
        f.answers = c.answers;
        f.openAndRead();
        QSignalSpy messages(f.view.get(), &CCustomFormView::pageMessage);
        f.type(CViewEmbedded::messageEdit(0), "new", CViewEmbedded::messageEdit(1));
        f.control<QPushButton>(CViewEmbedded::kWrite)->click();
        EXPECT_EQ(f.sessions, c.written ? 2 : 1);
        EXPECT_EQ(f.radioBytes(16, 3) == std::vector<std::uint8_t>({'n', 'e', 'w'}), c.written);
        EXPECT_EQ(messages.count(), c.refusals);
        if (c.refusals) {
            EXPECT_EQ(messages.at(0).at(0).toInt(), MsgId::kRadioWrongPassword);
        }
    }
}

TEST(ViewEmbedded, AFailedReadClosesTheEditorAndChangesNothing)
{
    struct Case {
        const char* name;
        const char* fault;   // nullptr: no radio answers at all
        int message;
    };
    const Case cases[] = {
        {"refused block", "refuse-block:5224", MsgId::kRadioReadFailed},
        {"radio falls silent", "silent-after:2", MsgId::kRadioReadFailed},
        {"no radio", "silence", MsgId::kNoRadio},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EmbeddedFixture f;
        f.radio.fault(c.fault);
        TransferResult seen;
        f.ctx.setRadioRunner([&](EditorContext::RadioSession s, bool) { return seen = s(f.radio.ctx); });
        f.record().fill(0x5A);
        f.openAndRead();
        EXPECT_FALSE(seen.outcome.ok);
        EXPECT_EQ(seen.outcome.message, c.message);
        if (c.message == MsgId::kRadioReadFailed) {
            EXPECT_FALSE(seen.outcome.args.empty());
        }
        EXPECT_TRUE(QTest::qWaitFor([&] { return !f.view->isVisible(); }, 2000)) << "the editor closed itself";
        EXPECT_EQ(f.record().u8(0), 0x5A);
        EXPECT_EQ(f.record().u8(143), 0x5A);
    }
}

}  // namespace
