#pragma once
// The host's contact entry: as the operator types, it asks the plug-in what
// the contact is worth and which area code the station should send; Enter
// writes the contact into the log and counts it in the plug-in.

#include <QWidget>

#include "host/HostRecord.h"
#include "host/PluginLibrary.h"

class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;

namespace q9xhost {

class LogDatabase;

class EntryWindow : public QWidget {
  Q_OBJECT

 public:
  // The nine band texts the plug-in knows, in MHz.
  static const QStringList& bands();

  EntryWindow(const PluginApi& plugin, LogDatabase& log, HostSession session,
              const QString& pluginName);

  // The contact as typed so far.
  ContactFields contact() const;

 signals:
  void closed();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  QLineEdit* addLine(QFormLayout* form, const QString& label, const QString& name);
  void refresh();
  void logContact();

  const PluginApi& plugin_;
  LogDatabase& log_;
  HostSession session_;
  QString proposedExchange_;  // what the exchange field was last filled with
  bool refreshing_ = false;

  QLineEdit* callSign_ = nullptr;
  QComboBox* band_ = nullptr;
  QComboBox* mode_ = nullptr;
  QLineEdit* exchange_ = nullptr;
  QLineEdit* mainPrefix_ = nullptr;
  QLineEdit* dxccPrefix_ = nullptr;
  QLabel* points_ = nullptr;
  QLabel* status_ = nullptr;
};

}  // namespace q9xhost
