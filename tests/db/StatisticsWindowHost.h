#pragma once
// Plays the host around one statistics window: hands it the plug-in's view of
// a record naming a connection and a table, shows it (which recalculates),
// presses Recalc, and collects the errors the window reports meanwhile
// instead of showing boxes.

#include <QStringList>
#include <cstdint>
#include <memory>
#include <string>

#include "platform/qt/ErrorReport.h"
#include "plugin/RecordHost.h"
#include "plugin/q9xcup.h"
#include "ui/MainForm/qt/MainForm.h"

namespace q9x::test {

class StatisticsWindowHost {
 public:
  ~StatisticsWindowHost();

  // Creates and shows the window; showing it the first time loads the log.
  TfmMainForm& open(std::int32_t connection, const std::string& table,
                    const std::string& band = "3.5", const std::string& myMainPrefix = "UA3A");
  // Presses the Recalc button.
  void recalc();

  const ContestEngine& engine() const { return window->session().engine(); }
  const AreaTable& areaTable() const { return window->session().areaTable(); }
  // The figure cell of the grid (row 1 is 80 m, 2 is 40 m, 3 the total).
  QString cell(int row, int column) const;
  QString scoreLine() const;
  bool recalcEnabled() const;

  // The record as the plug-in keeps it between host calls.
  TPluginRecord current{};
  RecordHost recordHost{current};
  QStringList errors;
  std::unique_ptr<TfmMainForm> window;

 private:
  // Runs work with the window's error reports going into errors.
  template <class Work>
  void collectingErrors(Work&& work)
  {
    ErrorSink previous = setErrorSink([this](const QString& text) { errors << text; });
    work();
    setErrorSink(previous);
  }
};

}  // namespace q9x::test
