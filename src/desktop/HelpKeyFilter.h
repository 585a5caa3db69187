#pragma once
// F1 anywhere in the program: asks for help on the focused control, with
// the ids of the windows around it as fallbacks (the dialog or view it
// belongs to).
#include <QObject>

class HelpKeyFilter : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // The context ids of a widget and its parents up to its window,
    // innermost first.
    static QList<int> contextChain(const QWidget* widget);

signals:
    void helpRequested(const QList<int>& contextIds);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
