#include "desktop/GuiPrompt.h"

#include "app/OutcomeText.h"
#include "frame/CDlgFile.h"
#include "frame/CDlgInputPassword.h"
#include "frame/FrameHost.h"
#include "frame/FrameIds.h"
#include "frame/LangText.h"
#include "frame/ThreadPost.h"
#include "settings/TextIds.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>

GuiPrompt::GuiPrompt(const IFrameHost& host, QWidget* parent)
    : m_host(host), m_parent(parent), m_post(std::make_unique<ThreadPost>())
{
    // Questions are asked on the window's thread, whichever thread made this.
    if (qApp && m_post->thread() != qApp->thread()) m_post->moveToThread(qApp->thread());
}

GuiPrompt::~GuiPrompt() = default;

template <class Fn>
auto GuiPrompt::onUiThread(Fn fn) -> decltype(fn())
{
    return m_post->call(std::move(fn));
}

QString GuiPrompt::text(const Outcome& outcome) const
{
    return QString::fromStdString(outcomeText(outcome, [this](int id) { return m_host.message(id); }).text);
}

QString GuiPrompt::details(const Outcome& outcome) const
{
    // Arguments the language text has no place for (the file and the reason
    // a file operation failed) are said below it, not dropped.
    QStringList rest;
    for (const std::string& d : outcomeText(outcome, [this](int id) { return m_host.message(id); }).details)
        rest << QString::fromStdString(d);
    return rest.join('\n');
}

void GuiPrompt::show(const Outcome& outcome)
{
    if (outcome.message == 0) return;
    // The texts too are looked up on the window's thread: a session may
    // call this from its worker.
    onUiThread([&] {
        QMessageBox box(outcome.ok ? QMessageBox::Information : QMessageBox::Warning,
                        LangText::caption(m_host, FrameText::kMainTitle, "QAV"), text(outcome), QMessageBox::Ok,
                        m_parent);
        box.setObjectName("outcomeMessage");
        box.setInformativeText(details(outcome));
        box.exec();
        return 0;
    });
}

bool GuiPrompt::confirm(int messageId, const std::string& text, PromptButtons buttons)
{
    return onUiThread([&] {
        const bool yesNo = buttons == PromptButtons::YesNo;
        // OK/Cancel warns (New replaces the codeplug); Yes/No asks; the one
        // question without a language string, the new-range offer, informs.
        const QMessageBox::Icon icon =
            !yesNo ? QMessageBox::Warning : messageId != 0 ? QMessageBox::Question : QMessageBox::Information;
        QMessageBox box(icon,
                        LangText::caption(m_host, FrameText::kMainTitle, "QAV"), QString::fromStdString(text),
                        yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok | QMessageBox::Cancel, m_parent);
        box.setObjectName("confirmMessage");
        // Enter never replaces the codeplug: New's question defaults to keeping it.
        if (messageId == MsgId::kNewConfirm) box.setDefaultButton(yesNo ? QMessageBox::No : QMessageBox::Cancel);
        const int answer = box.exec();
        return answer == QMessageBox::Yes || answer == QMessageBox::Ok;
    });
}

std::optional<std::string> GuiPrompt::askPassword(int)
{
    return onUiThread([&]() -> std::optional<std::string> {
        CDlgInputPassword dlg(m_host, m_parent);
        if (dlg.exec() != QDialog::Accepted) return std::nullopt;
        return dlg.password().toStdString();
    });
}

void GuiPrompt::inform(const Outcome& message) { show(message); }

std::optional<SaveTarget> GuiPrompt::askSaveTarget(const std::string& currentPath, const FileIdentity& shown)
{
    return onUiThread([&]() -> std::optional<SaveTarget> {
        CDlgFile dlg(m_host, CDlgFile::Mode::Save, QString::fromStdString(currentPath), nullptr, m_parent);
        dlg.field(CDlgFile::kModelName)->setText(QString::fromStdString(shown.modelName));
        dlg.field(CDlgFile::kRange)->setText(QString::fromStdString(shown.freqRange));
        dlg.field(CDlgFile::kFirmware)->setText(QString::fromStdString(shown.firmware));
        if (dlg.exec() != QDialog::Accepted) return std::nullopt;
        const QString path = dlg.chosenPath();
        if (path.isEmpty()) return std::nullopt;
        return SaveTarget{path.toStdString(), dlg.informationText().toStdString()};
    });
}

SaveChoice GuiPrompt::askSaveChanges(int, const std::string& text)
{
    return onUiThread([&] {
        QMessageBox box(QMessageBox::Question, LangText::caption(m_host, FrameText::kMainTitle, "QAV"),
                        QString::fromStdString(text), QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                        m_parent);
        box.setObjectName("saveQuestion");
        // Enter saves and Escape cancels: the changes are never dropped by a reflex.
        box.setDefaultButton(QMessageBox::Save);
        box.setEscapeButton(QMessageBox::Cancel);
        switch (box.exec()) {
        case QMessageBox::Save: return SaveChoice::Save;
        case QMessageBox::Discard: return SaveChoice::Discard;
        default: return SaveChoice::Cancel;
        }
    });
}
