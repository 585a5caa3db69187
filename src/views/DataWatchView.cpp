#include "views/DataWatchView.h"

#include "controls/ControlId.h"
#include "controls/LanguageSource.h"
#include "model/ImageByteOwner.h"
#include "views/DataWatchMarks.h"
#include "views/DataWatchTable.h"
#include "views/EditorRegistry.h"
#include "views/RecordTableModel.h"
#include "views/ViewIds.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

// The image as the grid shows it: one record of the whole image.
class CDataWatchView::Shown : public SectionAccess {
public:
    Record image{Image::kSize, 0};
    int count() const override { return 1; }
    Record* at(int index) override { return index == 0 ? &image : nullptr; }
    int idAt(int index) const override { return index == 0 ? 1 : 0; }
    int indexOfId(int id) const override { return id == 1 ? 0 : -1; }
    bool append() override { return false; }
    bool remove(int) override { return false; }
};

namespace {

QString windowsLines(const std::string& text)
{
    return QString::fromStdString(text).replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

QModelIndex indexOf(const QAbstractItemModel* model, std::size_t offset)
{
    const auto cell = DataWatchTable::cellOf(offset);
    return model->index(cell.row, cell.column);
}

}  // namespace

CDataWatchView::CDataWatchView(EditorContext& context, QWidget* parent)
    : CCustomFormView(*EditorRegistry::find(ViewCommand::kDataWatch), context, parent), shown_(std::make_unique<Shown>())
{
}

CDataWatchView::~CDataWatchView() = default;

void CDataWatchView::buildForm(QWidget* form)
{
    form->setWindowTitle(QStringLiteral("Data Watch"));
    model_ = new RecordTableModel(DataWatchTable::config(), *shown_, context().language(), this);
    marks_ = new DataWatchMarks(this);
    marks_->setSourceModel(model_);

    grid_ = new QTableView(form);
    setControlId(grid_, DataWatchTable::kGrid);
    grid_->setModel(marks_);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->verticalHeader()->setFixedWidth(DataWatchTable::kHeadingWidth);
    grid_->verticalHeader()->setDefaultSectionSize(20);
    grid_->horizontalHeader()->setDefaultSectionSize(DataWatchTable::kByteWidth);
    grid_->horizontalHeader()->setMinimumSectionSize(DataWatchTable::kByteWidth);
    grid_->setMinimumWidth(DataWatchTable::kHeadingWidth + 16 * DataWatchTable::kByteWidth + 24);
    // The corner over the line headings says what they are.
    if (auto* corner = grid_->findChild<QAbstractButton*>()) {
        const std::string text = context().language().caption(kCorner);
        corner->setText(text.empty() ? QStringLiteral("Offset") : QString::fromStdString(text));
        corner->setToolTip(corner->text());
    }

    list_ = new QListWidget(form);
    setControlId(list_, kChanges);
    auto* copy = new QAction(tr("Copy"), list_);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    list_->addAction(copy);
    list_->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(copy, &QAction::triggered, this, &CDataWatchView::copyChanges);

    detail_ = new QPlainTextEdit(form);
    setControlId(detail_, kDetail);
    detail_->setReadOnly(true);
    detail_->setMaximumHeight(90);

    auto* clear = new QPushButton(QStringLiteral("Clear"), form);
    setControlId(clear, kClear);

    auto* side = new QVBoxLayout;
    side->addWidget(list_, 1);
    side->addWidget(detail_);
    side->addWidget(clear);
    auto* layout = new QHBoxLayout(form);
    layout->addWidget(grid_, 3);
    layout->addLayout(side, 2);
    form->setMinimumSize(820, 520);

    connect(clear, &QPushButton::clicked, this, &CDataWatchView::clearChanges);
    connect(list_, &QListWidget::currentRowChanged, this, &CDataWatchView::showChange);
    connect(grid_, &QTableView::clicked, this, &CDataWatchView::selectLineOfCell);
}

void CDataWatchView::loadControls(Record*)
{
    // The grid is filled once; after that only comparisons change it.
    if (!filled_) fill();
}

void CDataWatchView::fill()
{
    filled_ = true;
    clearChanges();
    const auto image = context().codeplugImage();
    watch_.reset(image);
    for (std::size_t i = 0; i < Image::kSize; ++i) shown_->image.setU8(static_cast<Offset>(i), watch_.at(i));
    model_->refresh();
}

QString CDataWatchView::cellText(std::size_t offset) const { return indexOf(marks_, offset).data().toString(); }

bool CDataWatchView::cellMarked(std::size_t offset) const { return marks_->marked(offset); }

long CDataWatchView::currentOffset() const
{
    const QModelIndex i = grid_->currentIndex();
    return i.isValid() ? long(i.row()) * DataWatchTable::kLineBytes + i.column() : -1;
}

void CDataWatchView::compare()
{
    if (!filled_) fill();
    const auto changes = watch_.compare(context().codeplugImage());
    for (const ImageChange& c : changes) {
        shown_->image.setU8(static_cast<Offset>(c.offset), c.after);
        marks_->mark(c.offset);
        changes_.push_back(c);
        list_->addItem(QString::fromStdString(c.line()));
    }
    if (!changes.empty()) {
        const QModelIndex first = model_->index(0, 0);
        const QModelIndex last = model_->index(model_->rowCount() - 1, model_->columnCount() - 1);
        emit model_->dataChanged(first, last, {Qt::DisplayRole});
    }
    if (list_->count() > 0) {
        list_->setCurrentRow(list_->count() - 1);
        showChange(list_->count() - 1);
    }
}

void CDataWatchView::showChange(int line)
{
    if (line < 0 || line >= static_cast<int>(changes_.size())) return;
    const ImageChange& c = changes_[std::size_t(line)];
    const QModelIndex cell = indexOf(marks_, c.offset);
    grid_->setCurrentIndex(cell);
    grid_->scrollTo(cell);
    QString text = windowsLines(c.detail());
    const std::string owner = imageByteText(c.offset);
    if (!owner.empty()) text += QLatin1Char('\n') + QString::fromStdString(owner);
    detail_->setPlainText(text);
}

void CDataWatchView::selectLineOfCell(const QModelIndex& index)
{
    const std::size_t offset = std::size_t(index.row()) * DataWatchTable::kLineBytes + std::size_t(index.column());
    // The latest change of the byte, if it changed at all.
    for (int i = static_cast<int>(changes_.size()) - 1; i >= 0; --i) {
        if (changes_[std::size_t(i)].offset == offset) {
            list_->setCurrentRow(i);
            return;
        }
    }
    list_->clearSelection();
    list_->setCurrentRow(-1);
}

void CDataWatchView::clearChanges()
{
    marks_->clearMarks();
    changes_.clear();
    list_->clear();
    detail_->clear();
}

void CDataWatchView::copyChanges() const
{
    QStringList lines;
    for (const ImageChange& c : changes_) {
        const std::string owner = imageByteText(c.offset);
        lines << QString::fromStdString(c.line()) + (owner.empty() ? QString() : QStringLiteral("  ") + QString::fromStdString(owner));
    }
    QApplication::clipboard()->setText(lines.isEmpty() ? QString() : lines.join(QLatin1Char('\n')) + QLatin1Char('\n'));
}
