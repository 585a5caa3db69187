#include "desktop/CDlgAbout.h"

#include "controls/ControlId.h"
#include "controls/DialogButtons.h"
#include "controls/LanguageApply.h"
#include "frame/FrameHost.h"
#include "frame/FrameIds.h"
#include "frame/LangText.h"
#include "frame/FrameTextIds.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

CDlgAbout::CDlgAbout(const IFrameHost& host, const QString& languageName, QWidget* parent) : QDialog(parent)
{
    setObjectName("dlgAbout");
    setWindowTitle(LangText::caption(host, kTemplate, "About"));
    auto* column = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    auto* icon = new QLabel(this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(48, 48));
    row->addWidget(icon, 0, Qt::AlignTop);
    auto* text = new QVBoxLayout;
    auto* name = new QLabel(LangText::caption(host, FrameText::kMainTitle, "QAV Programming Software"), this);
    QFont f = name->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.3);
    name->setFont(f);
    text->addWidget(name);
    text->addWidget(new QLabel(LangText::format(LangText::message(host, MsgId::kAboutVersion, "Version %s"),
                                                {QApplication::applicationVersion()}),
                               this));
    text->addWidget(new QLabel(languageName, this));
    auto* note = new QLabel(
        LangText::message(host, MsgId::kAboutNote, "Programming software for analogue hand-held radios."), this);
    note->setWordWrap(true);
    text->addWidget(note);
    row->addLayout(text, 1);
    column->addLayout(row);
    column->addWidget(makeDialogButtons(this, QDialogButtonBox::Ok));
    applyLanguage(this, kTemplate, host);
}
