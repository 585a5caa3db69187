#include "frame/CChildFrame.h"

#include "frame/CRecordNavBar.h"
#include "frame/FrameIds.h"
#include "frame/LangText.h"
#include "frame/FrameTextIds.h"
#include "frame/ProgramIcon.h"
#include "frame/ViewBridge.h"

#include <QCloseEvent>
#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

CChildFrame::CChildFrame(int commandId, int recordLimit, QWidget* view, QWidget* parent)
    : QMdiSubWindow(parent), m_commandId(commandId), m_recordLimit(recordLimit), m_view(view)
{
    setObjectName(QString("childFrame%1").arg(commandId));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* body = new QWidget;
    auto* column = new QVBoxLayout(body);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    auto* scroll = new QScrollArea;
    scroll->setWidgetResizable(true);
    if (!view) {
        auto* note = new QLabel;
        note->setObjectName("editorMissing");
        m_missing = note;
        note->setAlignment(Qt::AlignCenter);
        note->setMinimumSize(360, 160);
        view = note;
    }
    scroll->setWidget(view);
    column->addWidget(scroll, 1);
    m_navBar = new CRecordNavBar;
    // The two channel editors switch to each other.
    m_navBar->setListAvailable(commandId == TreeId::kChannel || commandId == TreeId::kChannelList);
    column->addWidget(m_navBar);
    setWidget(body);
    setWindowIcon(programIcon());

    connect(m_navBar, &CRecordNavBar::closeRequested, this, &QWidget::close);
    connect(m_navBar, &CRecordNavBar::printRequested, this, [this] { emit printRequested(this); });
    // The editor answers help and navigation itself; the window passes its
    // answers on to the main window.
    // The command that opened the editor comes last: the page of an editor
    // whose form has none of its own (the channel editor, the scan list).
    ViewBridge::onHelp(m_view, this, [this](QList<int> ids) {
        if (!ids.contains(m_commandId)) ids << m_commandId;
        emit helpRequested(ids);
    });
    ViewBridge::onNavigated(m_view, this,
                            [this](int action, int number, int count) { emit navigated(this, action, number, count); });
    connect(m_navBar, &CRecordNavBar::helpRequested, this, [this] {
        if (!ViewBridge::requestHelp(m_view)) emit helpRequested({m_commandId});
    });
    connect(m_navBar, &CRecordNavBar::listRequested, this, [this] { ViewBridge::showList(m_view); });
    connect(m_navBar, &CRecordNavBar::navigate, this, [this](int action) { ViewBridge::navigate(m_view, action, 0); });
    // Room for what the editor asks for (the channel list's whole grid),
    // at least the usual editor size.
    const QSize wanted = m_view ? m_view->sizeHint() + QSize(24, m_navBar->sizeHint().height() + 48) : QSize();
    resize(QSize(640, 440).expandedTo(wanted.boundedTo(QSize(1200, 760))));
}

void CChildFrame::applyTexts(const IFrameHost& host)
{
    m_navBar->applyTexts(host);
    if (m_missing)
        m_missing->setText(LangText::message(host, MsgId::kEditorMissing, "This editor is not part of this build yet."));
}

void CChildFrame::closeEvent(QCloseEvent* event)
{
    // The editor writes what it shows back before it goes, so closing a
    // window never loses an edit.
    ViewBridge::save(m_view);
    emit closing(this);
    QMdiSubWindow::closeEvent(event);
}
