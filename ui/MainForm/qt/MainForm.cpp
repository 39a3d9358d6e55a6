#include "ui/MainForm/qt/MainForm.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QTableWidget>
#include <bit>

#include "platform/qt/ErrorReport.h"
#include "platform/qt/HostProgram.h"
#include "platform/qt/QtLogReaders.h"
#include "ui/MainForm/qt/Glyphs.h"
#include "ui/MainForm/qt/GridCellPainter.h"
#include "ui/domlist/qt/domlist.h"

namespace q9x {

namespace {
constexpr const char* kLayoutCaption = "Q9X-CUP-DIGI";
const QString kCurrentBand = QStringLiteral("CurrentBand");
const QColor kGridColour(253, 255, 206);

// The named family where the system has it, else the nearest of its kind.
// The name is built at run time: Qt's font caches keep the family names they
// are given, and they outlive this library.
QFont pixelFont(const char* family, QFont::StyleHint kind, int pixels)
{
  QFont font(QString::fromLatin1(family));
  font.setStyleHint(kind);
  font.setPixelSize(pixels);
  return font;
}

// The grid's and the score line's texts are plain ASCII.
QString latin1(const std::string& text)
{
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}
}  // namespace

TfmMainForm::TfmMainForm(SessionHost& host) : TfmMainForm(host, makeQtLogReader, areaFilePath()) {}

TfmMainForm::TfmMainForm(SessionHost& host, const LogReaderFactory& readers,
                         const std::filesystem::path& areaFile)
    : QWidget(nullptr), session_(host, *this, readers, areaFile), FormStorage1({TStoredValue{kCurrentBand, 0}})
{
  setObjectName(QStringLiteral("fmMainForm"));
  buildLayout();
  FormStorage1.setOptions(fpState | fpPosition);
  FormStorage1.attach(*this);
  const std::string caption = session_.context().caption;
  setWindowTitle(QString::fromLocal8Bit(caption.data(), static_cast<qsizetype>(caption.size())) +
                 " in " + kLayoutCaption);
  // A counted contact refreshes the figures at once, as the host expects to
  // see them when its call returns.
  session_.setObserver(this);
}

TfmMainForm::~TfmMainForm()
{
  // Area windows read this window's session: they go first, while it is whole,
  // and not later among the plain child widgets.
  qDeleteAll(findChildren<TfmDomList*>(Qt::FindDirectChildrenOnly));
}

void TfmMainForm::buildLayout()
{
  // Title bar with the system menu and the minimise box; the close box is
  // there too but only minimises (closeEvent).
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
  setFont(pixelFont("MS Sans Serif", QFont::SansSerif, 11));
  setFixedSize(328, 121);
  move(1009, 201);
  buildGrid();
  buildPanel();
}

void TfmMainForm::buildGrid()
{
  StringGrid1 = new QTableWidget(4, 5, this);
  StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
  StringGrid1->setGeometry(0, 0, 328, 77);
  StringGrid1->horizontalHeader()->hide();
  StringGrid1->verticalHeader()->hide();
  StringGrid1->horizontalHeader()->setMinimumSectionSize(1);
  StringGrid1->verticalHeader()->setMinimumSectionSize(1);
  for (int column = 0; column < 5; ++column) StringGrid1->setColumnWidth(column, 64);
  for (int row = 0; row < 4; ++row) StringGrid1->setRowHeight(row, 17);
  StringGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
  StringGrid1->setSelectionMode(QAbstractItemView::NoSelection);
  StringGrid1->setFocusPolicy(Qt::NoFocus);
  StringGrid1->setShowGrid(true);
  StringGrid1->setGridStyle(Qt::SolidLine);

  // The grid only shows figures; disabled, it takes neither clicks nor focus.
  // Its colours are set for every state, so disabled does not mean grey.
  QPalette palette = StringGrid1->palette();
  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    palette.setColor(group, QPalette::Base, kGridColour);
    palette.setColor(group, QPalette::Window, kGridColour);
  }
  StringGrid1->setPalette(palette);
  // Style sheets are parsed into caches shared by the whole application.
  StringGrid1->setStyleSheet(QString::fromLatin1("QTableView { gridline-color: rgb(192, 192, 192); }"));
  StringGrid1->setItemDelegate(new GridCellPainter(kGridColour, StringGrid1));
  StringGrid1->setEnabled(false);
}

void TfmMainForm::buildPanel()
{
  Panel1 = new QFrame(this);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->setFrameShape(QFrame::NoFrame);
  Panel1->setGeometry(0, 121 - 44, 328, 44);

  Label1 = new QLabel(Panel1);
  Label1->setObjectName(QStringLiteral("Label1"));
  QFont scoreFont = pixelFont("Courier", QFont::TypeWriter, 13);
  scoreFont.setBold(true);
  Label1->setFont(scoreFont);
  QPalette scorePalette = Label1->palette();
  scorePalette.setColor(QPalette::WindowText, Qt::blue);
  Label1->setPalette(scorePalette);
  // One line of text from 8, 0 to the panel's right edge, fixed once: sizing
  // the label to every new score cost most of a contact's refresh, and the
  // line is drawn in the same place either way.
  Label1->setText(QStringLiteral("Score: 0*(0+0)=0"));
  // A fixed size also spares the panel a layout request per new text.
  Label1->setFixedSize(328 - 8, Label1->sizeHint().height());
  Label1->move(8, 0);
  Label1->clear();

  RecalcStatistic = new QAction(QStringLiteral("Recalc Statistic"), this);
  RecalcStatistic->setObjectName(QStringLiteral("RecalcStatistic"));
  addAction(RecalcStatistic);
  connect(RecalcStatistic, &QAction::triggered, this, [this] { runRecalc(); });

  BitBtn1 = new QPushButton(recalcIcon(), QStringLiteral("Recalc"), Panel1);
  BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
  BitBtn1->setGeometry(121, 18, 102, 25);
  BitBtn1->setIconSize(QSize(16, 16));
  connect(BitBtn1, &QPushButton::clicked, RecalcStatistic, &QAction::trigger);
  // The button greys out with its command while a recalculation runs.
  connect(RecalcStatistic, &QAction::enabledChanged, BitBtn1, &QPushButton::setEnabled);

  btnOBL1 = new QPushButton(areaIcon(), QStringLiteral("Q9X Area"), Panel1);
  btnOBL1->setObjectName(QStringLiteral("btnOBL1"));
  btnOBL1->setGeometry(224, 18, 102, 25);
  btnOBL1->setIconSize(QSize(16, 16));
  connect(btnOBL1, &QPushButton::clicked, this, [this] { reportErrors([this] { btnOBL1Click(); }); });
}

void TfmMainForm::setCell(int column, int row)
{
  QTableWidgetItem* item = StringGrid1->item(row, column);
  if (!item) {
    item = new QTableWidgetItem;
    StringGrid1->setItem(row, column, item);
  }
  item->setText(latin1(view_.text(column, row)));
}

void TfmMainForm::render(StatisticsView::Changes changes)
{
  // A contact changes a few of the twelve figures. Only those cells are set,
  // with the model's signals held back, and the grid repaints them at once:
  // one change signal per cell would cost a contact more than its counting.
  if (changes.cells != 0) {
    QRect changed;
    {
      const QSignalBlocker quiet(StringGrid1->model());
      for (StatisticsView::Cells cells = changes.cells; cells != 0; cells &= cells - 1) {
        const int bit = std::countr_zero(cells);
        const int column = bit % StatisticsView::kColumns;
        const int row = bit / StatisticsView::kColumns;
        setCell(column, row);
        changed = changed.united(StringGrid1->visualRect(StringGrid1->model()->index(row, column)));
      }
    }
    StringGrid1->viewport()->update(changed);
  }
  if (changes.scoreLine) Label1->setText(latin1(view_.scoreLine()));
}

void TfmMainForm::showEvent(QShowEvent* event)
{
  QWidget::showEvent(event);
  if (!event->spontaneous()) reportErrors([this] { FormShow(); });
}

void TfmMainForm::FormShow()
{
  // No cell is selected: the grid only shows figures, and a highlighted cell
  // would look like a figure needing attention.
  StringGrid1->clearSelection();
  StringGrid1->setCurrentIndex(QModelIndex());
  render(view_.writeHeadings());
  runRecalc();
}

void TfmMainForm::runPendingEvents() { QCoreApplication::processEvents(); }

void TfmMainForm::destroyLater() { deleteLater(); }

void TfmMainForm::changed(const SessionChange& change)
{
  if (change.recounting) clearFigureCells();
  if (change.band) ShowDXList(change.band);
  if (change.figures) ShowStatistic();
  if (change.commands) showCommands();
}

void TfmMainForm::showCommands()
{
  RecalcStatistic->setEnabled(session_.recalcEnabled());
  if (!session_.isReleased()) return;
  // Nothing is served from now on. The area window stays up as long as its
  // owner and goes with the owner's destruction.
  btnOBL1->setEnabled(false);
  if (areaWindow_) areaWindow_->ownerReleased();
  areaWindow_ = nullptr;
}

void TfmMainForm::runRecalc()
{
  reportErrors([this] { RecalcStatisticExecute(); });
}

void TfmMainForm::RecalcStatisticExecute() { session_.recalculate(); }

void TfmMainForm::clearFigureCells()
{
  render(view_.clearFigures());
  // The engine's figures and worked codes are about to be emptied and
  // counted again: the area window reads its marks afresh.
  if (areaWindow_) areaWindow_->workedCleared();
}

void TfmMainForm::ShowStatistic() { render(view_.showFigures(session_.engine().stats())); }

void TfmMainForm::ShowDXList(int band)
{
  if (areaWindow_) areaWindow_->SelectBand(band);
}

TfmDomList* TfmMainForm::areaWindow() const { return areaWindow_; }

void TfmMainForm::btnOBL1Click()
{
  if (areaWindow_) return;
  // An error box while the area window is shown lets events run.
  session_.whileHeld([this] {
    auto* window = new TfmDomList(*this, session_, [this] { return FormStorage1.ValueByName(kCurrentBand); });
    areaWindow_ = window;
    connect(window, &TfmDomList::bandSelected, this,
            [this](int band) { FormStorage1.SetValueByName(kCurrentBand, band); });
    // A closed area window waits for its deferred destruction; from the moment
    // it closes it no longer counts as open.
    connect(window, &TfmDomList::closing, this, [this, window] {
      if (areaWindow_ == window) areaWindow_ = nullptr;
    });
    window->show();
  });
}

bool TfmMainForm::present()
{
  // Showing the window the first time recalculates, which lets events run.
  if (!session_.whileHeld([this] {
        if (!isVisible()) show();
      }))
    return false;
  raise();
  return true;
}

void TfmMainForm::release() { session_.release(); }

void TfmMainForm::closeEvent(QCloseEvent* event)
{
  // The title-bar close box only minimises: the operator keeps the figures.
  if (event->spontaneous()) {
    event->ignore();
    showMinimized();
    return;
  }
  event->accept();
  release();
}

}  // namespace q9x
