#include "desktop/InterchangeCommands.h"

#include "app/BackupStore.h"
#include "app/ChannelCsv.h"
#include "app/ChannelReplace.h"
#include "app/DocumentObserver.h"
#include "app/DocumentService.h"
#include "frame/CDlgBackups.h"
#include "frame/CMainFrame.h"
#include "frame/FrameIds.h"
#include "frame/FrameTextIds.h"
#include "frame/LangText.h"
#include "model/CCodeplugData.h"
#include "settings/FileIO.h"
#include "settings/SettingsManager.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace {

// Message boxes carry the program's title, as the document's own messages do.
QString programTitle(const IFrameHost& host) { return LangText::caption(host, FrameText::kMainTitle, "QAV"); }

QString joined(const std::vector<std::string>& lines, std::size_t most = 20)
{
    QStringList out;
    for (std::size_t i = 0; i < lines.size() && i < most; ++i) out << QString::fromStdString(lines[i]);
    if (lines.size() > most) out << QStringLiteral("... (%1)").arg(lines.size() - most);
    return out.join('\n');
}

}  // namespace

void InterchangeCommands::exportChannels()
{
    m.observer.commitEditors();
    const QString filter = LangText::message(m.host, MsgId::kCsvFilter, QStringLiteral("Channel lists (*.csv)"));
    QString suggested = QFileInfo(QString::fromStdString(m.document.currentPath())).completeBaseName();
    const QString path = QFileDialog::getSaveFileName(&m.frame, QString(),
                                                      (suggested.isEmpty() ? QStringLiteral("channels") : suggested) + ".csv", filter);
    if (path.isEmpty()) return;
    const CsvExport csv = channelsToCsv(m.store);
    std::string error;
    if (!writeFileAtomically(path.toStdString(), csv.text, &error)) {
        QMessageBox::warning(&m.frame, programTitle(m.host),
                             LangText::format(LangText::message(m.host, MsgId::kFileNotWritten,
                                                                QStringLiteral("The file could not be written: %s")),
                                              {QString::fromStdString(error)}));
        return;
    }
    QString text = LangText::format(
        LangText::message(m.host, MsgId::kCsvExported, QStringLiteral("The channels were exported to %s.")), {path});
    if (!csv.warnings.empty())
        text += "\n\n" + LangText::message(m.host, MsgId::kCsvNotes, QStringLiteral("Notes:")) + "\n" + joined(csv.warnings);
    QMessageBox::information(&m.frame, programTitle(m.host), text);
}

void InterchangeCommands::importChannels()
{
    const QString filter = LangText::message(m.host, MsgId::kCsvFilter, QStringLiteral("Channel lists (*.csv)"));
    const QString path = QFileDialog::getOpenFileName(&m.frame, QString(), QString(), filter);
    if (path.isEmpty()) return;
    std::string text;
    CsvImport csv;
    if (!readWholeFile(path.toStdString(), text)) csv.errors.push_back(path.toStdString() + ": cannot be read");
    else csv = channelsFromCsv(text, m.settings.model(), CCodeplugData::kEditorChannelLimit);
    if (!csv.ok) {
        QMessageBox::warning(&m.frame, programTitle(m.host),
                             LangText::format(LangText::message(m.host, MsgId::kCsvRefused,
                                                                QStringLiteral("The channel list %s was refused; nothing was imported.")),
                                              {path}) +
                                 "\n\n" + joined(csv.errors));
        return;
    }
    QString question = LangText::format(
        LangText::message(m.host, MsgId::kCsvConfirm,
                          QStringLiteral("Import %d channels from %s? They replace the codeplug's channels.")),
        {QString::number(csv.channels.size()), path});
    if (!csv.warnings.empty())
        question += "\n\n" + LangText::message(m.host, MsgId::kCsvNotes, QStringLiteral("Notes:")) + "\n" + joined(csv.warnings);
    if (QMessageBox::question(&m.frame, programTitle(m.host), question, QMessageBox::Ok | QMessageBox::Cancel,
                              QMessageBox::Cancel) != QMessageBox::Ok)
        return;
    // The editors show records that are about to go: they write back first
    // and close, then the list is replaced and the tree follows.
    m.observer.commitEditors();
    m.frame.closeAllWindows();
    const std::vector<std::string> mended = replaceChannels(m.store, csv.channels);
    m.document.noteEdit();
    m.frame.refreshTree();
    if (!mended.empty())
        QMessageBox::information(&m.frame, programTitle(m.host),
                                 LangText::message(m.host, MsgId::kCsvNotes, QStringLiteral("Notes:")) + "\n" + joined(mended));
}

void InterchangeCommands::showBackups()
{
    CDlgBackups dlg(m.host, m.backups.list(), QString::fromStdString(m.backups.directory()), &m.frame);
    QObject::connect(&dlg, &CDlgBackups::helpRequested, &m.frame, [this](int id) { m.help(id); });
    if (dlg.exec() != QDialog::Accepted || dlg.chosenPath().isEmpty()) return;
    if (!m.settle()) return;
    const Outcome o = m.document.open(dlg.chosenPath().toStdString());
    if (!o.ok && o.message) m.show(o);
}
