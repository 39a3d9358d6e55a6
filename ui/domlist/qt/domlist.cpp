#include "ui/domlist/qt/domlist.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QFrame>
#include <QListWidget>
#include <QShowEvent>
#include <QToolButton>
#include <QVBoxLayout>
#include <climits>
#include <stdexcept>

#include "engine/Bands.h"
#include "platform/qt/ErrorReport.h"
#include "session/ScoringSession.h"
#include "ui/domlist/qt/AreaItemPainter.h"
#include "ui/domlist/qt/AreaListItem.h"
#include "ui/domlist/qt/BandButtonLook.h"
#include "ui/domlist/BandButtonRow.h"

namespace q9x {

namespace {
const char* const kBandButtonPrefix = "RzBitBtn";

// The designed fonts, or the nearest the system has.
QFont sansSerif11()
{
  // Built at run time: Qt's font caches keep the family names they are given,
  // and they outlive this library.
  QFont font(QString::fromLatin1("MS Sans Serif"));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(11);
  return font;
}

// A stored value as a whole number: whole numbers and texts that read as one
// convert, the empty value reads as 0, anything else is refused.
int wholeNumberOf(const QVariant& value)
{
  if (!value.isValid()) return 0;
  bool ok = false;
  qlonglong number = 0;
  switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
      number = value.toLongLong(&ok);
      break;
    case QMetaType::QString:
      number = value.toString().trimmed().toLongLong(&ok, 10);
      break;
    default:
      break;
  }
  if (!ok || number < INT_MIN || number > INT_MAX)
    throw std::runtime_error("Invalid variant type conversion");
  return static_cast<int>(number);
}

bool isBandButton(const QObject* child)
{
  return qobject_cast<const QToolButton*>(child) &&
         child->objectName().startsWith(QLatin1String(kBandButtonPrefix));
}
}  // namespace

TfmDomList::TfmDomList(QWidget& owner, const ScoringSession& session, StoredBand storedBand)
    : QWidget(&owner, Qt::Window), session_(session), storedBand_(std::move(storedBand))
{
  setObjectName(QStringLiteral("fmDomList"));
  setAttribute(Qt::WA_DeleteOnClose);
  buildLayout();
  FormStorage1.setOptions(fpPosition);
  FormStorage1.attach(*this);
  FormCreate();
}

void TfmDomList::buildLayout()
{
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
  setWindowTitle(QStringLiteral("Q9X Area"));
  setFont(sansSerif11());
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, palette.color(QPalette::Button));
  setPalette(palette);
  setAutoFillBackground(true);
  resize(327, 141);
  move(1017, 288);

  Panel2 = new QFrame(this);
  Panel2->setObjectName(QStringLiteral("Panel2"));
  Panel2->setFrameShape(QFrame::NoFrame);
  Panel2->setFixedHeight(18);
  Panel2->installEventFilter(this);
  buildBandButtons();

  LV1 = new QListWidget(this);
  LV1->setObjectName(QStringLiteral("LV1"));
  LV1->setFrameShape(QFrame::NoFrame);
  LV1->setViewMode(QListView::ListMode);
  // Captions only, running down and on into the next column.
  LV1->setFlow(QListView::TopToBottom);
  LV1->setWrapping(true);
  LV1->setResizeMode(QListView::Adjust);
  LV1->setSelectionMode(QAbstractItemView::NoSelection);
  LV1->setFocusPolicy(Qt::NoFocus);
  LV1->setEditTriggers(QAbstractItemView::NoEditTriggers);
  // Qt picks a Cyrillic-capable fallback on its own where the family lacks it.
  LV1->setFont(sansSerif11());
  LV1->setItemDelegate(new AreaItemPainter(*this, LV1));
  LV1->setSortingEnabled(true);

  // The strip along the bottom edge offers the resize cursor but has nothing
  // to resize: the window's own border does that.
  spl1 = new QFrame(this);
  spl1->setObjectName(QStringLiteral("spl1"));
  spl1->setFixedHeight(3);
  spl1->setCursor(Qt::SizeVerCursor);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(Panel2);
  layout->addWidget(LV1, 1);
  layout->addWidget(spl1);
}

void TfmDomList::buildBandButtons()
{
  bandButtons_ = new QButtonGroup(this);
  bandButtons_->setExclusive(true);
  for (int tag : kBandButtonOrder) {
    auto* button = new QToolButton(Panel2);
    button->setObjectName(QLatin1String(kBandButtonPrefix) + QString::number(tag));
    const std::string_view caption = BandNames[static_cast<std::size_t>(tag - 1)];
    button->setText(QString::fromLatin1(caption.data(), static_cast<qsizetype>(caption.size())));
    button->setCheckable(true);
    button->setAutoRaise(true);  // highlighted while the mouse is over it
    button->setFocusPolicy(Qt::NoFocus);
    button->resize(35, 19);
    bandButtons_->addButton(button, tag);
  }
  bandButtons_->button(view_.pressedButton())->setChecked(true);
  styleBandButtons(*Panel2);
  connect(bandButtons_, &QButtonGroup::idClicked, this,
          [this](int tag) { reportErrors([this, tag] { RzBitBtn1Click(tag); }); });
}

void TfmDomList::FormCreate()
{
  // Qt widgets are always drawn through a back buffer: nothing flickers when
  // the whole list is redrawn.
  LV1->clear();
  // A sorting list places each insertion on its own, which makes filling it
  // quadratic: the items come sorted already and go in with sorting off.
  LV1->setSortingEnabled(false);
  LocaleCaptionOrder order;
  view_ = AreaListView(session_.areaTable().listedCodes(), order);
  for (QListWidgetItem* item : areaListItems(view_, order)) LV1->addItem(item);
  LV1->setSortingEnabled(true);
}

bool TfmDomList::ownerServes() const { return !session_.isReleased(); }

void TfmDomList::showEvent(QShowEvent* event)
{
  QWidget::showEvent(event);
  if (!event->spontaneous()) reportErrors([this] { FormShow(); });
}

void TfmDomList::FormShow()
{
  if (!ownerServes()) return;
  SelectBand(wholeNumberOf(storedBand_()));
}

void TfmDomList::SelectBand(int n)
{
  view_.selectBand(n);
  bandButtons_->button(view_.pressedButton())->setChecked(true);
  LV1->viewport()->update();
  if (ownerServes()) emit bandSelected(n);
}

void TfmDomList::RzBitBtn1Click(int tag)
{
  if (ownerServes()) SelectBand(tag);
}

void TfmDomList::ownerReleased() { Panel2->setEnabled(false); }

AreaMark TfmDomList::LV1CustomDrawItem(std::size_t item)
{
  if (!ownerServes()) return AreaMark::OwnFont;
  return view_.mark(item, session_.engine().areaWorked());
}

bool TfmDomList::eventFilter(QObject* watched, QEvent* event)
{
  if (watched == Panel2 && event->type() == QEvent::Resize) Panel2Resize();
  return QWidget::eventFilter(watched, event);
}

void TfmDomList::Panel2Resize()
{
  QList<QWidget*> buttons;
  for (QObject* child : Panel2->children())
    if (isBandButton(child)) buttons.append(static_cast<QWidget*>(child));
  const std::vector<ButtonPlace> places =
      buttonRowPlaces(Panel2->width(), Panel2->height(), static_cast<int>(buttons.size()));
  for (std::size_t k = 0; k < places.size(); ++k) {
    const ButtonPlace& place = places[k];
    buttons[static_cast<qsizetype>(k)]->setGeometry(place.left, place.top, place.width, place.height);
  }
}

void TfmDomList::closeEvent(QCloseEvent* event)
{
  QWidget::closeEvent(event);
  // Hidden now and destroyed once control returns to the event loop.
  emit closing();
}

}  // namespace q9x
