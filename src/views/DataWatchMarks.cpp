#include "views/DataWatchMarks.h"

#include "model/ImageByteOwner.h"
#include "views/DataWatchTable.h"

#include <QColor>

namespace {

std::size_t offsetOf(const QModelIndex& index)
{
    return static_cast<std::size_t>(index.row()) * DataWatchTable::kLineBytes + static_cast<std::size_t>(index.column());
}

}  // namespace

void DataWatchMarks::mark(std::size_t offset)
{
    marks_.insert(offset);
    changed(offset);
}

void DataWatchMarks::clearMarks()
{
    const QSet<std::size_t> old = std::exchange(marks_, {});
    for (std::size_t offset : old) changed(offset);
}

void DataWatchMarks::changed(std::size_t offset)
{
    const auto cell = DataWatchTable::cellOf(offset);
    const QModelIndex i = index(cell.row, cell.column);
    emit dataChanged(i, i, {Qt::BackgroundRole});
}

QVariant DataWatchMarks::data(const QModelIndex& index, int role) const
{
    if (index.isValid() && role == Qt::BackgroundRole && marks_.contains(offsetOf(index))) return QColor(0, 255, 0);
    if (index.isValid() && role == Qt::ToolTipRole) {
        const std::size_t offset = offsetOf(index);
        return QStringLiteral("0x%1 %2")
            .arg(QString::number(offset, 16).toUpper(), QString::fromStdString(imageByteText(offset)));
    }
    return QIdentityProxyModel::data(index, role);
}
