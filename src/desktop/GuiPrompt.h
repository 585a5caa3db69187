#pragma once
// The desktop program's answers to the core's questions: message boxes,
// the radio password dialog and the Save As file dialog. A radio session
// asks from its worker thread; the question then runs on the user-interface
// thread while the worker waits.
#include "settings/Prompt.h"

#include <QPointer>
#include <QWidget>

#include <memory>

class IFrameHost;
class ThreadPost;

class GuiPrompt : public IPrompt {
public:
    GuiPrompt(const IFrameHost& host, QWidget* parent);
    ~GuiPrompt() override;
    void setParent(QWidget* parent) { m_parent = parent; }

    bool confirm(int messageId, const std::string& text, PromptButtons buttons) override;
    std::optional<std::string> askPassword(int attempt) override;
    void inform(const Outcome& message) override;
    std::optional<SaveTarget> askSaveTarget(const std::string& currentPath, const FileIdentity& shown) override;
    SaveChoice askSaveChanges(int messageId, const std::string& text) override;

    // Shows a failure or success message of a procedure.
    void show(const Outcome& outcome);
    QString text(const Outcome& outcome) const;
    // What the outcome carries beyond its text (file and reason), one per line.
    QString details(const Outcome& outcome) const;

private:
    template <class Fn>
    auto onUiThread(Fn fn) -> decltype(fn());

    const IFrameHost& m_host;
    QPointer<QWidget> m_parent;
    std::unique_ptr<ThreadPost> m_post;
};
