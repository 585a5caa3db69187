#pragma once
// Asks for the radio's password before a read or write: up to eight
// digits.
#include <QDialog>

class IFrameHost;
class QLineEdit;

class CDlgInputPassword : public QDialog {
    Q_OBJECT
public:
    static constexpr int kTemplate = 141;
    static constexpr int kEdit = 1132;

    explicit CDlgInputPassword(const IFrameHost& host, QWidget* parent = nullptr);

    QString password() const;
    QLineEdit* edit() const { return m_edit; }

private:
    QLineEdit* m_edit;
};
