#include "host/EntryWindow.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDateTime>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "host/LogDatabase.h"
#include "host/ShortText.h"

namespace q9xhost {

const QStringList& EntryWindow::bands()
{
  static const QStringList names = {"1.8", "3.5", "7", "10", "14", "18", "21", "24", "28"};
  return names;
}

EntryWindow::EntryWindow(const PluginApi& plugin, LogDatabase& log, HostSession session,
                         const QString& pluginName)
    : plugin_(plugin), log_(log), session_(std::move(session))
{
  setObjectName(QStringLiteral("hostEntryWindow"));
  setWindowTitle("q9x-host: " + pluginName + " on " + session_.table);

  auto* form = new QFormLayout;
  callSign_ = addLine(form, tr("Callsign"), QStringLiteral("callSign"));

  band_ = new QComboBox;
  band_->setObjectName(QStringLiteral("band"));
  band_->addItems(bands());
  band_->setCurrentText(QStringLiteral("7"));
  form->addRow(tr("Band (MHz)"), band_);

  mode_ = new QComboBox;
  mode_->setObjectName(QStringLiteral("mode"));
  mode_->setEditable(true);
  mode_->addItems({"RTTY", "BPSK31", "FT4", "FT8"});
  form->addRow(tr("Mode"), mode_);

  exchange_ = addLine(form, tr("Exchange received"), QStringLiteral("exchange"));
  mainPrefix_ = addLine(form, tr("Main prefix"), QStringLiteral("mainPrefix"));
  dxccPrefix_ = addLine(form, tr("DXCC prefix"), QStringLiteral("dxccPrefix"));

  points_ = new QLabel;
  points_->setObjectName(QStringLiteral("points"));
  form->addRow(tr("Points"), points_);

  auto* logButton = new QPushButton(tr("Log contact"));
  logButton->setObjectName(QStringLiteral("logContact"));
  status_ = new QLabel;
  status_->setObjectName(QStringLiteral("status"));
  status_->setWordWrap(true);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(logButton);
  layout->addWidget(status_);

  connect(band_, &QComboBox::currentTextChanged, this, [this] { refresh(); });
  connect(mode_, &QComboBox::currentTextChanged, this, [this] { refresh(); });
  connect(logButton, &QPushButton::clicked, this, [this] { logContact(); });
  refresh();
}

QLineEdit* EntryWindow::addLine(QFormLayout* form, const QString& label, const QString& name)
{
  auto* line = new QLineEdit;
  line->setObjectName(name);
  form->addRow(label, line);
  connect(line, &QLineEdit::textChanged, this, [this] { refresh(); });
  connect(line, &QLineEdit::returnPressed, this, [this] { logContact(); });
  return line;
}

ContactFields EntryWindow::contact() const
{
  ContactFields contact;
  contact.callSign = callSign_->text();
  contact.digiBand = band_->currentText();
  contact.qsoMode = mode_->currentText();
  contact.reportReceived = exchange_->text();
  contact.mainPrefix = mainPrefix_->text();
  contact.dxccPrefix = dxccPrefix_->text();
  return contact;
}

void EntryWindow::refresh()
{
  // Filling in the proposed exchange changes the text again.
  if (refreshing_) return;
  refreshing_ = true;
  TPluginRecord rec = makeRecord(session_, contact());

  unsigned char code[256] = {};
  plugin_.GrabNumber(&rec, code);
  const QString proposal = readShortText(code);
  // Only an empty field or our own earlier proposal is replaced: what the
  // operator typed stays.
  const QString typed = exchange_->text();
  if (typed.isEmpty() || typed == proposedExchange_) {
    if (typed != proposal) {
      exchange_->setText(proposal);
      rec = makeRecord(session_, contact());
    }
    proposedExchange_ = proposal;
  }

  const int32_t points = plugin_.GetScore(&rec);
  points_->setText(points < 0 ? tr("repeat") : QString::number(points));
  refreshing_ = false;
}

void EntryWindow::logContact()
{
  const ContactFields typed = contact();
  if (typed.callSign.trimmed().isEmpty()) {
    status_->setText(tr("Type a callsign first."));
    return;
  }
  try {
    log_.addContact(typed, QDateTime::currentDateTimeUtc());
  } catch (const std::exception& e) {
    status_->setText(QString::fromLocal8Bit(e.what()));
    return;
  }
  const TPluginRecord rec = makeRecord(session_, typed);
  const int32_t points = plugin_.AddQSO(&rec);
  status_->setText(points < 0 ? tr("%1 logged: a repeat, not counted").arg(typed.callSign)
                              : tr("%1 logged: %2 points").arg(typed.callSign).arg(points));

  proposedExchange_.clear();
  callSign_->clear();
  exchange_->clear();
  callSign_->setFocus();
  refresh();
}

void EntryWindow::closeEvent(QCloseEvent* event)
{
  QWidget::closeEvent(event);
  emit closed();
}

}  // namespace q9xhost
