#include "frame/NameOnlyIconProvider.h"

#include <QFileInfo>
#include <QMimeDatabase>

namespace {

// By the name's extension only: never opens the file.
QMimeType mimeByName(const QFileInfo& info)
{
    static const QMimeDatabase db;
    return db.mimeTypeForFile(info.fileName(), QMimeDatabase::MatchExtension);
}

}  // namespace

NameOnlyIconProvider* NameOnlyIconProvider::shared()
{
    static NameOnlyIconProvider provider;
    return &provider;
}

QIcon NameOnlyIconProvider::icon(const QFileInfo& info) const
{
    // isRoot, isDir and isFile only stat the file, which never waits.
    if (info.isRoot()) return icon(QAbstractFileIconProvider::Drive);
    if (info.isDir()) return icon(QAbstractFileIconProvider::Folder);
    const QMimeType mime = mimeByName(info);
    const QIcon fallback = icon(QAbstractFileIconProvider::File);
    if (!info.isFile() || !mime.isValid()) return fallback;
    return QIcon::fromTheme(mime.iconName(), QIcon::fromTheme(mime.genericIconName(), fallback));
}

QString NameOnlyIconProvider::type(const QFileInfo& info) const
{
    static const QMimeDatabase db;
    if (info.isDir()) return db.mimeTypeForName("inode/directory").comment();
    return mimeByName(info).comment();
}
