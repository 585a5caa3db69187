#pragma once
// Delivers every change notice an editor sends to every open editor, the
// sender included, in the order the editors were added - the main frame's
// relay of change notifications. Closed (destroyed) editors drop out by
// themselves.
#include "views/ChangeNotice.h"

#include <QList>
#include <QObject>
#include <QPointer>

class CCustomFormView;

class NoticeRelay : public QObject {
    Q_OBJECT
public:
    explicit NoticeRelay(QObject* parent = nullptr);

    void add(CCustomFormView* view);
    QList<CCustomFormView*> views() const;

public slots:
    // Relays a notice to every open editor.
    void relay(const ChangeNotice& notice);

signals:
    // After the editors had it: for the host's own bookkeeping (tree counts, change log).
    void relayed(const ChangeNotice& notice);

private:
    QList<QPointer<CCustomFormView>> views_;
};
