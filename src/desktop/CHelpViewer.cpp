#include "desktop/CHelpViewer.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

CHelpViewer::CHelpViewer(QWidget* parent) : QDialog(parent)
{
    setObjectName("helpViewer");
    setWindowTitle(tr("Help"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto* column = new QVBoxLayout(this);
    m_browser = new QTextBrowser(this);
    m_browser->setOpenLinks(true);
    m_browser->setOpenExternalLinks(false);
    column->addWidget(m_browser);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    auto* contents = buttons->addButton(tr("Contents"), QDialogButtonBox::ActionRole);
    connect(contents, &QPushButton::clicked, this, [this] { showContext({0}); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::hide);
    column->addWidget(buttons);
    resize(640, 520);
}

QString CHelpViewer::pageFor(int contextId) const
{
    const QString name = contextId == 0 ? QString("index.html") : QString("%1.html").arg(contextId);
    const QString path = QDir(m_folder).filePath(name);
    return QFileInfo::exists(path) ? path : QString();
}

QString CHelpViewer::showContext(const QList<int>& contextIds)
{
    QString page;
    for (int id : contextIds) {
        page = pageFor(id);
        if (!page.isEmpty()) break;
    }
    if (page.isEmpty()) page = pageFor(0);
    m_page = page;
    if (page.isEmpty()) {
        m_browser->setPlainText(tr("No help pages were found in %1.").arg(m_folder));
    } else {
        m_browser->setSearchPaths({m_folder});
        m_browser->setSource(QUrl::fromLocalFile(page));
    }
    show();
    raise();
    activateWindow();
    return page;
}

QString helpFolderFor(const QString& programDir, const QString& helpFile, int languageIndex)
{
    const QString suffix = languageIndex == 1 ? "_S" : "_E";
    QString name = QFileInfo(helpFile.isEmpty() ? QString("QAV.hlp") : helpFile).fileName();
    const int dot = name.lastIndexOf('.');
    QString stem = dot >= 0 ? name.left(dot) : name;
    // The language decides the suffix, whatever one the name came with:
    // only index 1 has the second help file.
    if (stem.endsWith("_E") || stem.endsWith("_S")) stem.chop(2);
    return QDir(programDir).filePath("help/" + stem + suffix);
}
