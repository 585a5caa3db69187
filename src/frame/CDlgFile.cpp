#include "frame/CDlgFile.h"

#include "controls/ControlId.h"
#include "controls/LanguageApply.h"
#include "frame/FrameHost.h"
#include "frame/LangText.h"
#include "frame/FrameTextIds.h"
#include "frame/NameOnlyIconProvider.h"
#include "model/CodeplugFile.h"

#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStyle>

namespace {

// A header text field trimmed of trailing blanks, at most `len` bytes.
QString headerText(const CodeplugHeader& h, std::size_t off, std::size_t len)
{
    std::string s;
    for (std::size_t i = 0; i < len && h[off + i] != 0; ++i) s.push_back(static_cast<char>(h[off + i]));
    while (!s.empty() && s.back() == ' ') s.pop_back();
    return QString::fromLocal8Bit(s.data(), static_cast<qsizetype>(s.size()));
}

// The extension and filter from the language file: the filter is either a
// Qt-style "Codeplug (*.qav)" list, or the "|"-separated pairs of the
// Windows convention ("Codeplug (*.qav)|*.qav||").
QStringList filtersFrom(const QString& text)
{
    if (text.isEmpty()) return {};
    if (!text.contains('|')) return text.split(";;", Qt::SkipEmptyParts);
    const QStringList parts = text.split('|');
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].isEmpty()) break;
        QString patterns = parts[i + 1];
        patterns.replace(';', ' ');
        out << (parts[i].contains('(') ? parts[i] : QString("%1 (%2)").arg(parts[i], patterns));
    }
    return out;
}

}  // namespace

CDlgFile::CDlgFile(const IFrameHost& host, Mode mode, const QString& path, const CodeplugHeader* header,
                   QWidget* parent)
    : QFileDialog(parent), m_mode(mode)
{
    setObjectName(mode == Mode::Open ? "dlgFileOpen" : "dlgFileSave");
    // The panel below the chooser needs Qt's own dialog.
    setOption(QFileDialog::DontUseNativeDialog, true);
    // Icons and types by name only: looking into /proc, /dev or a link to
    // a FIFO would freeze the program.
    setIconProvider(NameOnlyIconProvider::shared());
    setAcceptMode(mode == Mode::Open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    setFileMode(mode == Mode::Open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    QString ext = LangText::message(host, 1211, "qav");
    if (ext.startsWith('.')) ext.remove(0, 1);
    setDefaultSuffix(ext);
    QStringList filters = filtersFrom(LangText::message(host, 1212));
    if (filters.isEmpty()) filters << tr("Codeplug files (*.%1)").arg(ext);
    filters << LangText::message(host, MsgId::kAllFilesFilter, "All files (*)");
    setNameFilters(filters);
    const QString folder = lastFolder();
    setDirectory(!path.isEmpty() ? QFileInfo(path).absolutePath() : !folder.isEmpty() ? folder : QDir::homePath());
    if (!path.isEmpty()) selectFile(path);

    auto* panel = new QWidget(this);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 6, 0, 0);
    const char* labels[] = {"Model Name:", "Frequency Range:", "Firmware Version:", "File Information:"};
    for (int i = 0; i < 4; ++i) {
        auto* l = new QLabel(tr(labels[i]), panel);
        setControlId(l, 1045 + i);
        grid->addWidget(l, i, 0, i == 3 ? Qt::AlignTop : Qt::Alignment());
    }
    for (int i = 0; i < 3; ++i) {
        m_fields[i] = new QLineEdit(panel);
        setControlId(m_fields[i], kModelName + i);
        m_fields[i]->setReadOnly(true);
        grid->addWidget(m_fields[i], i, 1);
    }
    auto* picture = new QLabel(panel);
    setControlId(picture, 1049);
    picture->setPixmap(style()->standardIcon(QStyle::SP_DriveHDIcon).pixmap(32, 32));
    grid->addWidget(picture, 0, 2, 3, 1, Qt::AlignCenter);
    m_info = new QPlainTextEdit(panel);
    setControlId(m_info, kInfo);
    m_info->setReadOnly(mode == Mode::Open);
    m_info->setFixedHeight(70);
    grid->addWidget(m_info, 3, 1, 1, 2);
    if (auto* main = qobject_cast<QGridLayout*>(layout()))
        main->addWidget(panel, main->rowCount(), 0, 1, main->columnCount());
    applyLanguage(this, kTemplate, host);

    if (mode == Mode::Save) {
        showHeader(header);
    } else {
        connect(this, &QFileDialog::currentChanged, this, &CDlgFile::preview);
        if (!path.isEmpty()) preview(path);
    }
}

namespace {
QString& rememberedFolder()
{
    static QString folder;
    return folder;
}
}  // namespace

void CDlgFile::rememberFolder(const QString& filePath)
{
    if (!filePath.isEmpty()) rememberedFolder() = QFileInfo(filePath).absolutePath();
}

QString CDlgFile::lastFolder() { return rememberedFolder(); }

QLineEdit* CDlgFile::field(int id) const
{
    return id >= kModelName && id <= kFirmware ? m_fields[id - kModelName] : nullptr;
}

void CDlgFile::showHeader(const CodeplugHeader* header)
{
    if (!header) {
        for (QLineEdit* f : m_fields) f->clear();
        return;
    }
    const CodeplugHeaderFields f = readHeaderFields(*header);
    m_fields[0]->setText(headerText(*header, HeaderField::kModelName, HeaderField::kTextSize));
    m_fields[1]->setText(QString("%1 - %2MHz").arg(f.lowMHz).arg(f.highMHz));
    m_fields[2]->setText(headerText(*header, HeaderField::kFirmware, 7));
}

void CDlgFile::preview(const QString& path)
{
    CodeplugHeader header{};
    const std::string p = path.toStdString();
    if (!path.isEmpty() && CCodeplugFile::readHeader(p, header))
        showHeader(&header);
    else
        showHeader(nullptr);
    std::string info;
    if (!path.isEmpty() && CCodeplugFile::readFileInformation(p, info))
        m_info->setPlainText(QString::fromLocal8Bit(info.data(), static_cast<qsizetype>(info.size())));
    else
        m_info->clear();
}

QString CDlgFile::chosenPath() const
{
    const QStringList files = selectedFiles();
    return files.isEmpty() ? QString() : files.front();
}

QString CDlgFile::informationText() const { return m_info->toPlainText(); }
