#pragma once
// Asks for a password of digits. With a limit of 8 any entry (up to 8
// digits, the empty one included) is taken; with a limit of 5 the entry
// must be exactly 5 digits, otherwise the edit is emptied and the dialog
// stays open.
#include <QDialog>

class CCharFilterEdit;
class LanguageSource;

class CDlgPasswordEntry : public QDialog {
    Q_OBJECT
public:
    explicit CDlgPasswordEntry(const LanguageSource& language, int limit = 8, QWidget* parent = nullptr);

    QString password() const;
    CCharFilterEdit* edit() const { return edit_; }

public slots:
    void accept() override;

private:
    CCharFilterEdit* edit_;
    int limit_;
};
