#include "views/ViewTestFreq.h"

#include "controls/ControlId.h"
#include "views/EditorRegistry.h"
#include "views/RecordTableDelegate.h"
#include "views/RecordTableModel.h"
#include "views/TestFreqTables.h"
#include "views/ViewIds.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

CViewTestFreq::CViewTestFreq(EditorContext& context, QWidget* parent)
    : CCustomFormView(*EditorRegistry::find(ViewCommand::kTestFreq), context, parent)
{
}

QTableView* CViewTestFreq::addGrid(QWidget* form, int controlId, const char* title, RecordTableModel* model)
{
    // The box carries the grid's id, so the language file titles it.
    auto* box = new QGroupBox(QString::fromLatin1(title), form);
    setControlId(box, controlId);
    auto* view = new QTableView(box);
    view->setObjectName(QStringLiteral("grid%1").arg(controlId));
    view->setModel(model);
    view->setItemDelegate(new RecordTableDelegate(context().language(), view));
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                          | QAbstractItemView::AnyKeyPressed);
    view->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    // Wide enough for every heading in full; the English ones are the longer.
    int wanted = view->verticalHeader()->sizeHint().width() + view->verticalScrollBar()->sizeHint().width()
                 + 2 * view->frameWidth() + 2;
    for (int c = 0; c < model->columnCount(); ++c) wanted += view->horizontalHeader()->sectionSizeHint(c);
    view->setMinimumWidth(wanted);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(view);
    connect(model, &RecordTableModel::edited, this,
            [this, controlId, model](int row, int column) { announceCell(controlId, model, row, column); });
    return view;
}

void CViewTestFreq::buildForm(QWidget* form)
{
    form->setWindowTitle(QStringLiteral("Test Frequencies"));
    SectionAccess* rows = context().section(Section::TestFreq);
    if (!rows) return;
    tests_ = new RecordTableModel(TestFreqTables::tests(), *rows, context().language(), this);
    points_ = new RecordTableModel(TestFreqTables::points(), *rows, context().language(), this);
    auto* layout = new QHBoxLayout(form);
    testView_ = addGrid(form, TestFreqTables::kTestGrid, "TEST FREQ", tests_);
    pointView_ = addGrid(form, TestFreqTables::kPointGrid, "POINT FREQ", points_);
    layout->addWidget(testView_->parentWidget(), 3);
    layout->addWidget(pointView_->parentWidget(), 2);
    form->setMinimumSize(560, 520);
}

void CViewTestFreq::announceCell(int gridId, RecordTableModel* model, int row, int column)
{
    ChangeNotice n;
    n.source = this;
    n.controlId = gridId;
    n.action = NoticeAction::kEdited;
    n.caption = windowTitle().toStdString();
    n.label = model->headerData(column, Qt::Horizontal).toString().toStdString();
    n.fieldName = n.label + " " + std::to_string(row + 1);
    n.text4 = model->index(row, column).data().toString().toStdString();
    announce(n);
}

void CViewTestFreq::loadControls(Record*)
{
    if (tests_) tests_->refresh();
    if (points_) points_->refresh();
}

void CViewTestFreq::onNotice(const ChangeNotice& notice)
{
    // Another editor (or a reload) changed the record under the grids.
    if (notice.source != this && notice.concerns(Section::TestFreq)) loadControls(nullptr);
}
