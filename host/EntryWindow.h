#pragma once
// The host's contact entry: as the operator types, it fills the prefixes
// from the prefix table, asks the plug-in what the contact is worth and which
// area code the station should send; Enter counts the contact in the plug-in
// and writes it into the log with the plug-in's answer.

#include <QWidget>

#include "host/HostRecord.h"
#include "host/PrefixTable.h"
#include "hostkit/PluginLibrary.h"

class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;

namespace q9xhost {

class LogDatabase;

class EntryWindow : public QWidget {
  Q_OBJECT

 public:
  EntryWindow(const q9xkit::PluginExports& plugin, LogDatabase& log, HostSession session,
              const QString& pluginName, PrefixTable prefixes);

  // The contact as typed so far.
  ContactFields contact() const;

 signals:
  void closed();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  // A field the host fills in for the operator: replaced only while it is
  // empty or still holds the host's own text, and not once the operator has
  // edited it for the callsign being typed.
  struct FilledField {
    QLineEdit* line = nullptr;
    QString filled;
    bool edited = false;
  };

  QLineEdit* addLine(QFormLayout* form, const QString& label, const QString& name);
  void fill(FilledField& field, const QString& text);
  void callSignChanged();
  void refresh();
  void logContact();
  void showPluginWindow(bool areaWindow);

  const q9xkit::PluginExports& plugin_;
  LogDatabase& log_;
  HostSession session_;
  PrefixTable prefixes_;
  bool refreshing_ = false;

  QLineEdit* callSign_ = nullptr;
  QComboBox* band_ = nullptr;
  QComboBox* mode_ = nullptr;
  FilledField exchange_;
  FilledField mainPrefix_;
  FilledField dxccPrefix_;
  QLabel* points_ = nullptr;
  QLabel* status_ = nullptr;
};

}  // namespace q9xhost
