#pragma once
// The three radio passwords. The power-on / key-lock and the read-data
// passwords are typed into their edits; the write / tune / dealer-data
// password is shown but set only through the "..." button's password
// dialog, so it cannot be changed by a stray keystroke.
#include "views/CustomFormView.h"
#include "views/FormTable.h"

#include <functional>
#include <optional>

class CViewPassword : public CCustomFormView {
    Q_OBJECT
public:
    explicit CViewPassword(EditorContext& context, QWidget* parent = nullptr);

    // The controls and the record fields they show or edit.
    static FormTable controls();

    // Replaces the dialog the "..." button opens (tests answer it here):
    // nullopt for Cancel, otherwise the entered text.
    using PasswordAsker = std::function<std::optional<QString>(QWidget* parent)>;
    void setPasswordAsker(PasswordAsker asker) { asker_ = std::move(asker); }

    // The "..." button: asks for the write password, then saves and shows all three.
    void changeWritePassword();

protected:
    void buildForm(QWidget* form) override;
    void commit(int controlId) override;

private:
    PasswordAsker asker_;
};
