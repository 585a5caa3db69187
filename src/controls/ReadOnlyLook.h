#pragma once
// Read-only text fields look like what they are: their background is the
// window's, not the white of a field that takes typing. Installed once on
// the application, it follows every field that becomes read-only or
// editable again, whoever made it so.
#include <QObject>

class QWidget;

class ReadOnlyLook : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Installs the look on the running application.
    static void install();
    // Gives one field the look its read-only state asks for.
    static void apply(QWidget* field);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
