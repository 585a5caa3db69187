#pragma once
// Over the data watch grid: changed bytes in green, and each byte's tool tip
// naming its offset and the record field it belongs to.
#include <QIdentityProxyModel>
#include <QSet>

class DataWatchMarks : public QIdentityProxyModel {
    Q_OBJECT
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    void mark(std::size_t offset);
    void clearMarks();
    bool marked(std::size_t offset) const { return marks_.contains(offset); }

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    void changed(std::size_t offset);
    QSet<std::size_t> marks_;
};
