#pragma once
// The desktop program started on a temporary program directory holding the
// shipped data files, with its own settings and store, and a driver that
// answers the modal dialogs a command opens.
#include "app/DocumentService.h"
#include "desktop/CQAVApp.h"
#include "desktop/GuiPortOpener.h"
#include "desktop/SettingsFrameHost.h"
#include "frame/CDlgCommProgress.h"
#include "frame/CDlgInputPassword.h"
#include "model/CCodeplugData.h"
#include "settings/SettingsManager.h"
#include "sim/SimRadio.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>
#include <functional>
#include <memory>

// Answers whatever modal dialog is up: starts a progress dialog (or cancels
// it), answers message boxes (Yes/OK unless told to say No or Cancel; the
// save question with `saveAnswer`) and records their texts and default
// buttons, types `password` into the password dialog (cancels it when
// empty), and hands any other dialog to `onDialog`.
class ModalDriver : public QObject {
public:
    QStringList messages;
    QStringList titles;  // the message boxes' window titles
    QList<QMessageBox::Icon> icons;
    QList<QMessageBox::StandardButton> defaults;
    QStringList progressTexts;  // what a progress dialog said before it started
    bool answerNo = false;
    bool cancelTransfers = false;
    QMessageBox::StandardButton saveAnswer = QMessageBox::Discard;
    QString password;
    int passwordsAsked = 0;
    std::function<void(QDialog*)> onDialog;

    ModalDriver()
    {
        m_timer.setInterval(10);
        QObject::connect(&m_timer, &QTimer::timeout, this, [this] { poke(); });
        m_timer.start();
    }

private:
    void poke()
    {
        QWidget* w = QApplication::activeModalWidget();
        if (!w) return;
        if (auto* progress = qobject_cast<CDlgCommProgress*>(w)) {
            if (!progress->running() && progress->property("started").isNull()) {
                progress->setProperty("started", true);
                progressTexts << progress->statusText();
                if (cancelTransfers) {
                    progress->reject();
                    return;
                }
                progress->start();
            } else if (!progress->running()) {
                progress->reject();  // idle again after a try: no radio was found
            }
            return;
        }
        if (auto* pw = qobject_cast<CDlgInputPassword*>(w)) {
            ++passwordsAsked;
            if (password.isEmpty()) {
                pw->reject();
            } else {
                pw->edit()->setText(password);
                pw->accept();
            }
            return;
        }
        if (auto* box = qobject_cast<QMessageBox*>(w)) {
            messages << box->text();
            titles << box->windowTitle();
            icons << box->icon();
            defaults << box->standardButton(box->defaultButton());
            QAbstractButton* b = nullptr;
            if (box->button(QMessageBox::Save)) b = box->button(answerNo ? QMessageBox::Cancel : saveAnswer);
            if (answerNo && !b) b = box->button(QMessageBox::No);
            if (answerNo && !b) b = box->button(QMessageBox::Cancel);
            if (!b) b = box->button(QMessageBox::Yes);
            if (!b) b = box->button(QMessageBox::Ok);
            if (b) b->click();
            return;
        }
        if (auto* dlg = qobject_cast<QDialog*>(w); dlg && onDialog) onDialog(dlg);
    }

    QTimer m_timer;
};

struct GuiFixture : ::testing::Test {
    QTemporaryDir dir;
    std::unique_ptr<CSettingsManager> settings;
    std::unique_ptr<CCodeplugData> store;
    std::unique_ptr<CQAVApp> app;

    // Rewrites a copied data file (UTF-8) through `edit`, for startProgram.
    static void editFile(const QString& path, const std::function<QString(QString)>& edit)
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
        const QString text = edit(QString::fromUtf8(f.readAll()));
        f.close();
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
        f.write(text.toUtf8());
    }

    // The copied Settings.ini starts the program in language `index`.
    static void useLanguage(const QString& dir, int index)
    {
        editFile(QDir(dir).filePath("Settings.ini"), [index](QString ini) {
            return ini.replace(QRegularExpression("Language=\\d+"), QString("Language=%1").arg(index));
        });
    }
    static void useChinese(const QString& dir) { useLanguage(dir, 1); }

    static void copyData(const QString& to)
    {
        const QDir from(QAV_DATA_DIR);
        for (const char* name : {"Model.dat", "Settings.ini", "QAV_E.lng", "QAV_S.lng", "volume.ini",
                                    "splash_E.jpg", "splash_S.jpg"})
            QFile::copy(from.filePath(name), QDir(to).filePath(name));
        for (const char* language : {"help/QAV_E", "help/QAV_S"}) {
            QDir(to).mkpath(language);
            const QDir pages(from.filePath(language));
            for (const QString& page : pages.entryList({"*.html"}, QDir::Files))
                QFile::copy(pages.filePath(page), QDir(to).filePath(QString(language) + "/" + page));
        }
    }

    // Starts the program; `editLanguage` may change the copied language files first.
    void startProgram(const std::function<void(const QString&)>& editData = {})
    {
        ASSERT_TRUE(dir.isValid());
        copyData(dir.path());
        if (editData) editData(dir.path());
        const std::string home = dir.path().toStdString() + "/";
        settings = std::make_unique<CSettingsManager>(home, home + "user/");
        store = std::make_unique<CCodeplugData>();
        AppOptions options;
        options.splash = false;
        app = std::make_unique<CQAVApp>(*settings, *store, options);
        ASSERT_TRUE(app->start());
    }

    void TearDown() override { app.reset(); }

    // The simulated radio of the program, answering as the current model.
    SimRadio& radio()
    {
        SimRadio& r = app->ports().simulatedRadio();
        SimIdentity id = r.identity();
        id.productId = settings->modelId();
        id.modelName = settings->modelName();
        id.lowEdge = static_cast<std::uint32_t>(settings->model().lowMHz()) * 100000u;
        id.highEdge = static_cast<std::uint32_t>(settings->model().highMHz()) * 100000u;
        r.setIdentity(id);
        app->host().setPortDevice("sim");
        return r;
    }
};
