#pragma once
// The About dialog: program name, version and the active language.
#include <QDialog>

class IFrameHost;

class CDlgAbout : public QDialog {
    Q_OBJECT
public:
    static constexpr int kTemplate = 100;
    CDlgAbout(const IFrameHost& host, const QString& languageName, QWidget* parent = nullptr);
};
