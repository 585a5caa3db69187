#include "FakeFrameHost.h"
#include "frame/CDlgFile.h"
#include "frame/NameOnlyIconProvider.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileSystemModel>
#include <QTemporaryDir>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

// Ends the test program when the guarded block does not finish in time: a
// dialog that blocks on a file would otherwise hang the whole suite.
class HangGuard {
public:
    explicit HangGuard(int seconds)
        : thread_([this, seconds] {
              for (int i = 0; i < seconds * 10 && !done_; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(100));
              if (done_) return;
              std::fprintf(stderr, "the file dialog hung\n");
              std::_Exit(1);
          })
    {
    }
    ~HangGuard()
    {
        done_ = true;
        thread_.join();
    }

private:
    std::atomic<bool> done_{false};
    std::thread thread_;
};

void pumpEvents(int ms)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) QApplication::processEvents(QEventLoop::AllEvents, 50);
}

}  // namespace

// A folder holding a FIFO, a link to it (which Qt's own type detection
// follows and reads) and a file whose content looks like a picture: the
// dialog shows it without waiting, and names types by the file name only.
TEST(DlgFile, NeverWaitsOnSpecialFilesAndTypesByNameOnly)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString fifo = dir.filePath("pipe");
    ASSERT_EQ(::mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(fifo, dir.filePath("link")));
    QFile png(dir.filePath("picture"));
    ASSERT_TRUE(png.open(QIODevice::WriteOnly));
    png.write(QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
    png.close();

    FakeFrameHost host;
    {
        HangGuard guard(30);
        CDlgFile dlg(host, CDlgFile::Mode::Open, dir.filePath("link"));
        dlg.selectNameFilter(dlg.nameFilters().last());  // "All files": the special files are listed
        dlg.show();
        pumpEvents(1500);
        auto* model = dlg.findChild<QFileSystemModel*>();
        ASSERT_NE(model, nullptr);
        const QModelIndex picture = model->index(dir.filePath("picture"));
        ASSERT_TRUE(picture.isValid());
        EXPECT_FALSE(model->type(picture).contains("PNG", Qt::CaseInsensitive)) << model->type(picture).toStdString();
        // Selecting the special files previews nothing and waits for nothing.
        dlg.preview(fifo);
        dlg.preview(dir.filePath("link"));
        dlg.reject();
    }

    NameOnlyIconProvider provider;
    EXPECT_FALSE(provider.type(QFileInfo(dir.filePath("picture"))).contains("PNG", Qt::CaseInsensitive));
    EXPECT_FALSE(provider.icon(QFileInfo(fifo)).isNull());
}

TEST(DlgFile, StartsInTheFolderOfTheLastFileThatWorked)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    FakeFrameHost host;
    CDlgFile::rememberFolder(dir.filePath("kept.qav"));
    {
        CDlgFile dlg(host, CDlgFile::Mode::Open, QString());
        EXPECT_EQ(QDir(dlg.directory()).canonicalPath(), QDir(dir.path()).canonicalPath());
    }
    {
        // A dialog given a file shows that file's folder.
        CDlgFile dlg(host, CDlgFile::Mode::Save, QDir::tempPath() + "/x.qav");
        EXPECT_EQ(QDir(dlg.directory()).canonicalPath(), QDir(QDir::tempPath()).canonicalPath());
    }
}
