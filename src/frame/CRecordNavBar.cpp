#include "frame/CRecordNavBar.h"

#include "frame/FrameIds.h"
#include "frame/LangText.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

namespace {

struct ButtonDef {
    int id;
    const char* text;
    const char* tip;
};

constexpr ButtonDef kButtons[] = {
    {NavBarId::kClose, "Close", ""},
    {NavBarId::kPrint, "Print", ""},
    {NavBarId::kHelp, "Help", ""},
    {NavBarId::kFirst + 0, "|<", "First record"},
    {NavBarId::kFirst + 1, "<", "Previous record"},
    {NavBarId::kFirst + 2, ">", "Next record"},
    {NavBarId::kFirst + 3, ">|", "Last record"},
    {NavBarId::kFirst + 4, "New", "Add a record"},
    {NavBarId::kFirst + 5, "Delete", "Delete this record"},
    {NavBarId::kList, "List", ""},
};

}  // namespace

CRecordNavBar::CRecordNavBar(QWidget* parent) : QWidget(parent)
{
    setObjectName("recordNavBar");
    setProperty("controlId", NavBarId::kTemplate);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(4, 2, 4, 2);
    row->setSpacing(4);
    for (const ButtonDef& def : kButtons) {
        QPushButton* b = addButton(def.id, QString::fromUtf8(def.text));
        if (*def.tip) b->setToolTip(QString::fromUtf8(def.tip));
        row->addWidget(b);
        if (def.id == NavBarId::kFirst + 5) {
            m_position = new QLineEdit(this);
            m_position->setObjectName("ctl1059");
            m_position->setProperty("controlId", NavBarId::kPosition);
            m_position->setReadOnly(true);
            m_position->setAlignment(Qt::AlignCenter);
            m_position->setFocusPolicy(Qt::NoFocus);
            QFont f("Arial", 10);
            f.setBold(true);
            m_position->setFont(f);
            QPalette pal = m_position->palette();
            pal.setColor(QPalette::Text, QColor(0, 0, 139));
            m_position->setPalette(pal);
            m_position->setFixedWidth(QFontMetrics(f).horizontalAdvance(QStringLiteral("88 / 88")) + 16);
            row->addWidget(m_position);
        }
    }
    row->addStretch(1);

    connect(button(NavBarId::kClose), &QPushButton::clicked, this, &CRecordNavBar::closeRequested);
    connect(button(NavBarId::kPrint), &QPushButton::clicked, this, &CRecordNavBar::printRequested);
    connect(button(NavBarId::kHelp), &QPushButton::clicked, this, &CRecordNavBar::helpRequested);
    connect(button(NavBarId::kList), &QPushButton::clicked, this, &CRecordNavBar::listRequested);
    for (int action = NavBarAction::kFirst; action <= NavBarAction::kDelete; ++action)
        connect(button(NavBarId::kFirst + action), &QPushButton::clicked, this,
                [this, action] { emit navigate(action); });
    setMode({false, 0});
    setPrintEnabled(false);
}

QPushButton* CRecordNavBar::addButton(int id, const QString& text)
{
    auto* b = new QPushButton(text, this);
    b->setObjectName(QString("ctl%1").arg(id));
    b->setProperty("controlId", id);
    b->setAutoDefault(false);
    b->setFocusPolicy(Qt::TabFocus);
    fitButton(b);
    m_buttons.push_back(b);
    return b;
}

void CRecordNavBar::fitButton(QPushButton* b)
{
    // A push button asks for a wide minimum of its own; ten of them do not
    // fit an editor window, and a layout squeezed below its minimum lays
    // its widgets over each other. The text decides the width instead.
    b->setMinimumWidth(b->fontMetrics().horizontalAdvance(b->text()) + 16);
}

QPushButton* CRecordNavBar::button(int controlId) const
{
    for (QPushButton* b : m_buttons)
        if (b->property("controlId").toInt() == controlId) return b;
    return nullptr;
}

void CRecordNavBar::setMode(const NavBarMode& mode)
{
    m_mode = mode;
    const bool records = mode.show;
    for (int i = 0; i < 6; ++i) button(NavBarId::kFirst + i)->setVisible(records);
    m_position->setVisible(records);
    button(NavBarId::kPrint)->setVisible(records || (mode.kind != 1 && mode.kind != 2));
    button(NavBarId::kHelp)->setVisible(records || mode.kind != 2);
    button(NavBarId::kList)->setVisible(records && m_listAvailable);
    if (records) {
        const NavBarState::Buttons b = NavBarState::buttonsFor(mode.kind);
        const bool enabled[6] = {b.first, b.previous, b.next, b.last, b.add, b.remove};
        for (int i = 0; i < 6; ++i) button(NavBarId::kFirst + i)->setEnabled(enabled[i]);
    }
}

void CRecordNavBar::setPosition(int n, int count)
{
    m_position->setText(n > 0 ? QString("%1 / %2").arg(n).arg(count) : QString());
}

void CRecordNavBar::setListAvailable(bool available)
{
    m_listAvailable = available;
    setMode(m_mode);
}

void CRecordNavBar::setPrintEnabled(bool enabled) { button(NavBarId::kPrint)->setEnabled(enabled); }

QString CRecordNavBar::positionText() const { return m_position->text(); }

void CRecordNavBar::applyTexts(const IFrameHost& host)
{
    for (QPushButton* b : m_buttons) {
        const QString t = LangText::caption(host, b->property("controlId").toInt());
        if (!t.isEmpty()) b->setText(t);
        // The tip is the control's text read by the tool-tip rule; a
        // language without tips keeps the built-in one.
        const QString tip = LangText::toolTip(t, host.languageIndex());
        if (!tip.isEmpty()) b->setToolTip(tip);
        fitButton(b);
    }
}
