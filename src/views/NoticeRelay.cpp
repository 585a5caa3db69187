#include "views/NoticeRelay.h"

#include "views/CustomFormView.h"

NoticeRelay::NoticeRelay(QObject* parent) : QObject(parent) {}

void NoticeRelay::add(CCustomFormView* view)
{
    if (!view || views_.contains(view)) return;
    views_.append(view);
    connect(view, &CCustomFormView::changeNotice, this, &NoticeRelay::relay);
}

QList<CCustomFormView*> NoticeRelay::views() const
{
    QList<CCustomFormView*> out;
    for (const auto& v : views_) {
        if (v) out.append(v);
    }
    return out;
}

void NoticeRelay::relay(const ChangeNotice& notice)
{
    views_.removeAll(nullptr);
    // A copy: an editor's reaction may open or close another.
    const QList<QPointer<CCustomFormView>> targets = views_;
    for (const auto& v : targets) {
        if (v) v->receiveNotice(notice);
    }
    emit relayed(notice);
}
