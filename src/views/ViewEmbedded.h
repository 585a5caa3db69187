#pragma once
// The four embedded messages, which live in the radio: the editor reads
// them from the radio when it opens (and closes itself when that fails) and
// writes them with its Write button, after the message password when one
// is set. Both transfers run through the program's progress dialog on a
// worker thread. A message holds up to 32 characters of one byte each;
// characters the radio cannot show are refused as they are typed.
#include "views/CustomFormView.h"
#include "views/FormTable.h"

#include <functional>
#include <optional>

class CViewEmbedded : public CCustomFormView {
    Q_OBJECT
public:
    explicit CViewEmbedded(EditorContext& context, QWidget* parent = nullptr);

    static FormTable controls();
    static int messageEdit(int k) { return 4703 + 2 * k; }
    static constexpr int kWrite = 4710;
    static constexpr int kChangePassword = 4711;
    // Status bar text when a character the radio cannot show is typed.
    static constexpr int kCharacterRefused = 1181;

    // Replaces the password dialog (tests): nullopt for Cancel.
    using PasswordAsker = std::function<std::optional<QString>(QWidget* parent)>;
    void setPasswordAsker(PasswordAsker asker) { asker_ = std::move(asker); }

    // The message password the record holds ("" when none is set).
    QString messagePassword() const;

public slots:
    // Reads the messages from the radio; false (and the window closes) when that failed.
    bool readFromRadio();
    // Saves, checks the message password (three tries), writes the messages to the radio.
    bool writeToRadio();

protected:
    void buildForm(QWidget* form) override;
    void commit(int controlId) override;

private:
    bool checkPassword();
    // The editor's window in the work area (itself when it has none).
    QWidget* outerWindow();
    PasswordAsker asker_;
};
