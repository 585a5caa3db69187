#include "frame/CDlgTuning.h"

#include "controls/ControlId.h"
#include "controls/DialogButtons.h"
#include "controls/LanguageApply.h"
#include "frame/CDlgTuneSubItem.h"
#include "frame/FrameHost.h"
#include "frame/TuningWorker.h"
#include "link/RadioLink.h"
#include "settings/TextIds.h"

#include <QListWidget>
#include <algorithm>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

CDlgTuning::CDlgTuning(const TuningContext& context, QWidget* parent) : QDialog(parent), m_context(context)
{
    setObjectName("dlgTuning");
    setWindowTitle(tr("Tuning"));
    auto* column = new QVBoxLayout(this);
    m_list = new QListWidget(this);
    setControlId(m_list, kList);
    m_list->setMinimumSize(280, 320);
    column->addWidget(m_list);
    auto* buttons = makeDialogButtons(this, QDialogButtonBox::Close | QDialogButtonBox::Help,
                                      [this] { if (m_context.help) m_context.help(kTemplate); });
    // Enter opens the chosen item; it must not also close the list.
    for (QAbstractButton* b : buttons->buttons())
        if (auto* push = qobject_cast<QPushButton*>(b)) {
            push->setAutoDefault(false);
            push->setDefault(false);
        }
    column->addWidget(buttons);
    applyLanguage(this, kTemplate, context.host);
    m_items = tuningItems(context.host.caption(CapId::kTuningItemNames), context.host.caption(CapId::kTuningItemFlags));
    if (m_list->count() > 0) m_list->setCurrentRow(0);
    // Tall enough for every item: the Chinese rows are taller than the English.
    if (m_list->count() > 0) {
        const int rows = m_list->sizeHintForRow(0) * m_list->count() + 2 * m_list->frameWidth() + 2;
        m_list->setMinimumHeight(std::clamp(rows, m_list->minimumHeight(), 640));
    }
    connect(m_list, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) { openRow(m_list->row(item)); });
}

void CDlgTuning::say(int messageId)
{
    emit messageShown(messageId);
    QMessageBox::warning(this, windowTitle(), QString::fromStdString(m_context.host.message(messageId)));
}

void CDlgTuning::openRow(int row)
{
    QListWidgetItem* entry = m_list->item(row);
    if (!entry || !m_list->isEnabled()) return;
    const int id = entry->data(Qt::UserRole).toInt();
    const auto found = std::find_if(m_items.begin(), m_items.end(), [id](const TuningItem& t) { return t.id == id; });
    TuningItem item = found != m_items.end() ? *found : TuningItem{};
    item.name = entry->text().toStdString();
    const std::optional<std::uint16_t> first = item.firstRegister();
    if (!first) {
        say(MsgId::kTuneItemNoPoint);
        return;
    }
    struct Read {
        int result = 0;
        std::array<std::uint8_t, 2> bytes{};
    };
    auto read = std::make_shared<Read>();
    const std::uint16_t reg = *first;
    m_list->setEnabled(false);
    QPointer<CDlgTuning> self(this);
    m_context.worker.post([read, reg](CRadioLink& link) { read->result = link.readRegister(reg, read->bytes.data(), 2); },
                          [self, read, item, reg] {
                              // A list closed meanwhile opens nothing.
                              if (!self || !self->isVisible()) return;
                              self->m_list->setEnabled(true);
                              if (read->result == 0) return self->say(MsgId::kTuneReadFailed);
                              if (read->result < 0) return self->say(MsgId::kNoRadio);
                              const auto value = static_cast<std::uint16_t>(read->bytes[0] << 8 | read->bytes[1]);
                              self->openItem(item, reg, value);
                          });
}

void CDlgTuning::openItem(const TuningItem& item, std::uint16_t firstRegister, std::uint16_t value)
{
    CDlgTuneSubItem sub(m_context, item, firstRegister, value, this);
    emit subItemOpened(&sub);
    const int answer = sub.exec();
    if (answer == QDialog::Accepted && m_context.keepTuneData) m_context.keepTuneData(sub.tuneData());
    if (sub.status() == 0) say(MsgId::kTuneWriteFailed);
    else if (sub.status() < 0) say(MsgId::kNoRadio);
    m_list->setFocus();
}
