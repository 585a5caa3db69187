#pragma once
// Icons and type names for the file dialog taken from a file's name alone.
// Qt's own provider looks into a file's content when its name says nothing,
// and reading a device, a /proc file or a link to a FIFO can wait for ever:
// the dialog, and the program with it, would freeze in such a folder.
#include <QFileIconProvider>

class NameOnlyIconProvider : public QFileIconProvider {
public:
    using QFileIconProvider::icon;
    QIcon icon(const QFileInfo& info) const override;
    QString type(const QFileInfo& info) const override;

    // The one provider every file dialog shares; it holds no state.
    static NameOnlyIconProvider* shared();
};
