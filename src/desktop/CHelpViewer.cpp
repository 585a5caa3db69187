#include "desktop/CHelpViewer.h"

#include "frame/LangText.h"
#include "frame/FrameTextIds.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

CHelpViewer::CHelpViewer(QWidget* parent) : QDialog(parent), m_home(parent)
{
    setObjectName("helpViewer");
    setWindowTitle(QStringLiteral("Help"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto* column = new QVBoxLayout(this);
    m_browser = new QTextBrowser(this);
    m_browser->setOpenLinks(true);
    m_browser->setOpenExternalLinks(false);
    column->addWidget(m_browser);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    m_contents = buttons->addButton(QStringLiteral("Contents"), QDialogButtonBox::ActionRole);
    m_contents->setObjectName("helpContents");
    connect(m_contents, &QPushButton::clicked, this, [this] { showContext({0}); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::hide);
    column->addWidget(buttons);
    resize(640, 520);
}

void CHelpViewer::applyTexts(const IFrameHost& host)
{
    setWindowTitle(LangText::message(host, MsgId::kHelpTitle, "Help"));
    m_contents->setText(LangText::message(host, MsgId::kHelpContents, "Contents"));
    m_missingFormat = LangText::message(host, MsgId::kHelpMissing, "No help pages were found in %s.");
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
        m_browser->setPlainText(LangText::format(m_missingFormat, {m_folder}));
    } else {
        m_browser->setSearchPaths({m_folder});
        m_browser->setSource(QUrl::fromLocalFile(page));
    }
    followModalDialog();
    show();
    raise();
    activateWindow();
    return page;
}

void CHelpViewer::followModalDialog()
{
    auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (modal == this || modal == m_dialog) return;
    QWidget* target = modal ? modal : m_home.data();
    if (parentWidget() == target) return;
    if (m_dialog) disconnect(m_dialog, nullptr, this, nullptr);
    m_dialog = modal;
    const bool wasVisible = isVisible();
    const QRect where = geometry();
    setParent(target, windowFlags());  // stays a window of its own
    setGeometry(where);
    if (m_dialog) connect(m_dialog, &QDialog::finished, this, &CHelpViewer::dialogEnded);
    if (wasVisible) show();
}

void CHelpViewer::dialogEnded()
{
    // The dialog goes soon after it ends, and its windows with it: move to
    // the modal dialog still open under it, or home.
    QPointer<QDialog> ended = m_dialog;
    if (ended) disconnect(ended, nullptr, this, nullptr);
    m_dialog = nullptr;
    auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    QWidget* target = modal && modal != ended ? modal : m_home.data();
    const bool wasVisible = isVisible();
    const QRect where = geometry();
    setParent(target, windowFlags());
    setGeometry(where);
    if (target == modal && modal) {
        m_dialog = modal;
        connect(m_dialog, &QDialog::finished, this, &CHelpViewer::dialogEnded);
    }
    if (wasVisible) show();
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
