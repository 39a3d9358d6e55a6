#include "host/EntryWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateTime>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "host/Bands.h"
#include "host/LogDatabase.h"
#include "hostkit/PluginWindows.h"
#include "hostkit/HostRecord.h"

namespace q9xhost {

using q9xkit::findPluginWindow;
using q9xkit::openAreaWindow;
using q9xkit::readShortText;
using q9xkit::WindowNotFound;

namespace {
QString pointsText(int32_t points)
{
  return points == 1 ? QStringLiteral("1 point") : QString("%1 points").arg(points);
}

// Prefixes and callsigns are compared as capitals by the contest rules.
void keepCapitals(QLineEdit* line)
{
  QObject::connect(line, &QLineEdit::textEdited, line, [line](const QString& text) {
    if (text == text.toUpper()) return;
    const int cursor = line->cursorPosition();
    line->setText(text.toUpper());
    line->setCursorPosition(cursor);
  });
}
}  // namespace

EntryWindow::EntryWindow(const q9xkit::PluginExports& plugin, LogDatabase& log, HostSession session,
                         const QString& pluginName, PrefixTable prefixes)
    : plugin_(plugin), log_(log), session_(std::move(session)), prefixes_(std::move(prefixes))
{
  setObjectName(QStringLiteral("hostEntryWindow"));
  setWindowTitle("q9x-host: " + pluginName + " on " + session_.table);

  auto* form = new QFormLayout;
  callSign_ = addLine(form, tr("Callsign"), QStringLiteral("callSign"));

  band_ = new QComboBox;
  band_->setObjectName(QStringLiteral("band"));
  band_->addItems(bandTexts());
  band_->setCurrentText(QStringLiteral("7"));
  form->addRow(tr("Band (MHz)"), band_);

  mode_ = new QComboBox;
  mode_->setObjectName(QStringLiteral("mode"));
  mode_->setEditable(true);
  mode_->addItems({"RTTY", "BPSK31", "FT4", "FT8"});
  form->addRow(tr("Mode"), mode_);

  exchange_.line = addLine(form, tr("Exchange received"), QStringLiteral("exchange"));
  mainPrefix_.line = addLine(form, tr("Main prefix"), QStringLiteral("mainPrefix"));
  dxccPrefix_.line = addLine(form, tr("DXCC prefix"), QStringLiteral("dxccPrefix"));
  for (FilledField* field : {&exchange_, &mainPrefix_, &dxccPrefix_})
    connect(field->line, &QLineEdit::textEdited, this, [field] { field->edited = true; });
  for (QLineEdit* line : {callSign_, mainPrefix_.line, dxccPrefix_.line}) keepCapitals(line);

  points_ = new QLabel;
  points_->setObjectName(QStringLiteral("points"));
  form->addRow(tr("Points"), points_);

  auto* logButton = new QPushButton(tr("Log contact"));
  logButton->setObjectName(QStringLiteral("logContact"));
  auto* statistics = new QPushButton(tr("Show statistics (F7)"));
  statistics->setObjectName(QStringLiteral("showStatistics"));
  auto* areas = new QPushButton(tr("Show area codes (F8)"));
  areas->setObjectName(QStringLiteral("showAreaCodes"));
  status_ = new QLabel;
  status_->setObjectName(QStringLiteral("status"));
  status_->setWordWrap(true);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(logButton);
  buttons->addWidget(statistics);
  buttons->addWidget(areas);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addLayout(buttons);
  layout->addWidget(status_);

  connect(callSign_, &QLineEdit::textChanged, this, [this] { callSignChanged(); });
  // The last contact's result stays until the operator starts the next one.
  connect(callSign_, &QLineEdit::textEdited, status_, &QLabel::clear);
  connect(band_, &QComboBox::currentTextChanged, this, [this] { refresh(); });
  connect(mode_, &QComboBox::currentTextChanged, this, [this] { refresh(); });
  connect(logButton, &QPushButton::clicked, this, [this] { logContact(); });
  connect(statistics, &QPushButton::clicked, this, [this] { showPluginWindow(false); });
  connect(areas, &QPushButton::clicked, this, [this] { showPluginWindow(true); });
  connect(new QShortcut(Qt::Key_F7, this), &QShortcut::activated, statistics, &QPushButton::click);
  connect(new QShortcut(Qt::Key_F8, this), &QShortcut::activated, areas, &QPushButton::click);
  refresh();
}

QLineEdit* EntryWindow::addLine(QFormLayout* form, const QString& label, const QString& name)
{
  auto* line = new QLineEdit;
  line->setObjectName(name);
  form->addRow(label, line);
  if (name != QLatin1String("callSign"))
    connect(line, &QLineEdit::textChanged, this, [this] { refresh(); });
  connect(line, &QLineEdit::returnPressed, this, [this] { logContact(); });
  return line;
}

ContactFields EntryWindow::contact() const
{
  ContactFields contact;
  contact.callSign = callSign_->text().trimmed().toUpper();
  contact.digiBand = band_->currentText();
  contact.qsoMode = mode_->currentText().trimmed();
  contact.reportReceived = exchange_.line->text();
  contact.mainPrefix = mainPrefix_.line->text().trimmed().toUpper();
  contact.dxccPrefix = dxccPrefix_.line->text().trimmed().toUpper();
  return contact;
}

void EntryWindow::fill(FilledField& field, const QString& text)
{
  const QString shown = field.line->text();
  if (field.edited || !(shown.isEmpty() || shown == field.filled)) return;
  if (shown != text) field.line->setText(text);
  field.filled = text;
}

void EntryWindow::callSignChanged()
{
  // A new callsign is a new contact: what the operator edited was for the last one.
  for (FilledField* field : {&exchange_, &mainPrefix_, &dxccPrefix_}) field->edited = false;
  const std::optional<StationPrefixes> found = prefixes_.lookup(callSign_->text());
  refreshing_ = true;
  fill(mainPrefix_, found ? found->mainPrefix : QString());
  fill(dxccPrefix_, found ? found->dxccPrefix : QString());
  refreshing_ = false;
  refresh();
}

void EntryWindow::refresh()
{
  // Filling in the proposed exchange changes the text again.
  if (refreshing_) return;
  refreshing_ = true;
  TPluginRecord rec = makeRecord(session_, contact());

  unsigned char code[256] = {};
  plugin_.GrabNumber(&rec, code);
  const QString before = exchange_.line->text();
  fill(exchange_, readShortText(code));
  if (exchange_.line->text() != before) rec = makeRecord(session_, contact());

  const int32_t points = plugin_.GetScore(&rec);
  points_->setText(points < 0 ? tr("repeat") : QString::number(points));
  refreshing_ = false;
}

void EntryWindow::logContact()
{
  const ContactFields typed = contact();
  if (typed.callSign.isEmpty()) {
    status_->setText(tr("Type a callsign first."));
    return;
  }
  if (typed.qsoMode.isEmpty()) {
    status_->setText(tr("Choose a mode first: a repeat is the same callsign, band and mode."));
    return;
  }
  const TPluginRecord rec = makeRecord(session_, typed);
  const int32_t points = plugin_.AddQSO(&rec);
  try {
    log_.addContact(typed, QDateTime::currentDateTimeUtc(), points);
  } catch (const std::exception& e) {
    // The plug-in has counted a contact the log does not hold: it counts
    // the log again.
    if (QWidget* statistics = findPluginWindow(QStringLiteral("fmMainForm")))
      if (auto* recalc = statistics->findChild<QAction*>(QStringLiteral("RecalcStatistic"))) recalc->trigger();
    status_->setText(QString::fromLocal8Bit(e.what()));
    return;
  }

  for (FilledField* field : {&exchange_, &mainPrefix_, &dxccPrefix_}) field->filled.clear();
  exchange_.line->clear();
  mainPrefix_.line->clear();
  dxccPrefix_.line->clear();
  callSign_->clear();
  callSign_->setFocus();
  status_->setText(points < 0 ? tr("%1 logged: a repeat, not counted").arg(typed.callSign)
                              : tr("%1 logged: %2").arg(typed.callSign, pointsText(points)));
}

void EntryWindow::showPluginWindow(bool areaWindow)
{
  try {
    QWidget* window = areaWindow ? findPluginWindow(QStringLiteral("fmDomList")) : nullptr;
    if (areaWindow && !window) window = openAreaWindow();
    if (!areaWindow) window = findPluginWindow(QStringLiteral("fmMainForm"));
    if (!window) throw WindowNotFound("The plug-in shows no statistics window");
    window->showNormal();
    window->raise();
    window->activateWindow();
  } catch (const std::exception& e) {
    status_->setText(QString::fromLocal8Bit(e.what()));
  }
}

void EntryWindow::closeEvent(QCloseEvent* event)
{
  QWidget::closeEvent(event);
  emit closed();
}

}  // namespace q9xhost
