#pragma once
// What a run without a user (--report, --cabrillo, --screenshot) sets up
// before the application object exists: the plug-in's window settings go
// to a folder of the run's own, so the operator's stored placement stays as
// it was, and Qt's remarks about the platform stay off standard error.

#include <QTemporaryDir>

namespace q9xhost {

class HeadlessEnvironment {
 public:
  // Points XDG_CONFIG_HOME (and XDG_RUNTIME_DIR when unset) into a temporary
  // folder, picks the offscreen platform when there is no display, and
  // filters Qt's messages. Must run before QApplication is created.
  HeadlessEnvironment();
  ~HeadlessEnvironment();
  HeadlessEnvironment(const HeadlessEnvironment&) = delete;
  HeadlessEnvironment& operator=(const HeadlessEnvironment&) = delete;

 private:
  QTemporaryDir dir_;
};

}  // namespace q9xhost
