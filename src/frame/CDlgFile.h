#pragma once
// The codeplug file dialog: the file chooser with a panel below it that
// shows the model name, frequency range and firmware version of the file's
// header and its information text. Opening previews the selected file;
// saving shows the header about to be written and takes the information
// text the user types.
#include "model/CodeplugFileHeader.h"

#include <QFileDialog>

class IFrameHost;
class QLineEdit;
class QPlainTextEdit;

class CDlgFile : public QFileDialog {
    Q_OBJECT
public:
    enum class Mode { Open, Save };
    static constexpr int kTemplate = 152;
    static constexpr int kModelName = 1041;
    static constexpr int kRange = 1042;
    static constexpr int kFirmware = 1043;
    static constexpr int kInfo = 1044;

    // `header` is shown in save mode; open mode previews the chosen file.
    CDlgFile(const IFrameHost& host, Mode mode, const QString& path, const CodeplugHeader* header = nullptr,
             QWidget* parent = nullptr);

    QString chosenPath() const;
    // The information text typed in save mode.
    QString informationText() const;

    // Fills the panel from a header, or empties it.
    void showHeader(const CodeplugHeader* header);
    // Fills the panel from the file at `path` (open mode).
    void preview(const QString& path);

    QLineEdit* field(int id) const;

    // The folder of the last file that was opened or saved: a dialog
    // without a file to show starts there, never in a folder Qt remembered
    // on its own (which may be one the dialog could not show).
    static void rememberFolder(const QString& filePath);
    static QString lastFolder();
    QPlainTextEdit* infoEdit() const { return m_info; }

private:
    Mode m_mode;
    QLineEdit* m_fields[3];
    QPlainTextEdit* m_info;
};
