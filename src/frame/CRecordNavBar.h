#pragma once
// The bar at the bottom of every editor window: Close, Print, Help, the six
// record buttons (first, previous, next, last, new, delete), the record
// position and the list button.
#include "frame/NavBarState.h"

#include <QWidget>

class QLineEdit;
class QPushButton;
class IFrameHost;

class CRecordNavBar : public QWidget {
    Q_OBJECT
public:
    explicit CRecordNavBar(QWidget* parent = nullptr);

    void setMode(const NavBarMode& mode);
    NavBarMode mode() const { return m_mode; }
    void setPosition(int n, int count);
    // The list button serves editors that have a companion list (channels).
    void setListAvailable(bool available);
    // Print follows the program's Print command: usable only while printing is.
    void setPrintEnabled(bool enabled);
    QString positionText() const;
    void applyTexts(const IFrameHost& host);

    QPushButton* button(int controlId) const;

signals:
    void closeRequested();
    void printRequested();
    void helpRequested();
    void navigate(int action);
    void listRequested();

private:
    QPushButton* addButton(int id, const QString& text);
    static void fitButton(QPushButton* button);

    NavBarMode m_mode;
    bool m_listAvailable = false;
    QList<QPushButton*> m_buttons;
    QLineEdit* m_position = nullptr;
};
