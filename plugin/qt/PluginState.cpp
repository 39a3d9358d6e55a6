#include "plugin/PluginState.h"

#include <QApplication>
#include <QPointer>
#include <vector>

#include "plugin/QtApplication.h"
#include "plugin/RecordHost.h"

namespace q9x::plugin {

namespace {

// Set when the dynamic linker unloads this library while the process goes
// on. Its finalisers run before it destroys the library's static objects; at
// process exit they run only after every static object of the process (Qt's
// among them) is gone, so the flag is still clear then.
bool unloading = false;
__attribute__((destructor)) void markUnloading() { unloading = true; }

struct State {
  TPluginRecord currentRecord{};
  RecordHost currentRecordHost{currentRecord};
  QPointer<TfmMainForm> statisticsWindow;
  // Windows released but perhaps not yet destroyed by the event loop.
  std::vector<QPointer<TfmMainForm>> released;

  // The windows' code lives in this library: when it is unloaded while the
  // application still runs, destroy them now (saving their settings) rather
  // than leave a deferred destruction that would call into unloaded code. At
  // process exit nothing is touched: Qt's own state may already be gone.
  ~State()
  {
    if (!unloading || !QCoreApplication::instance() || QCoreApplication::closingDown()) return;
    released.push_back(statisticsWindow);
    for (QPointer<TfmMainForm>& window : released) delete window.data();
  }
};

State& state()
{
  static State s;
  return s;
}

}  // namespace

TPluginRecord& currentRecord() { return state().currentRecord; }

SessionHost& currentRecordHost() { return state().currentRecordHost; }

TfmMainForm* statisticsWindow()
{
  TfmMainForm* window = state().statisticsWindow;
  return window && !window->isReleased() ? window : nullptr;
}

namespace {
// Keeps a window that may still await its deferred destruction in view.
void forget(State& s)
{
  if (s.statisticsWindow) s.released.push_back(s.statisticsWindow);
  s.statisticsWindow = nullptr;
  std::erase_if(s.released, [](const QPointer<TfmMainForm>& w) { return w.isNull(); });
}
}  // namespace

void setStatisticsWindow(TfmMainForm* window)
{
  State& s = state();
  forget(s);
  s.statisticsWindow = window;
}

ScoringSession* scoringSession()
{
  TfmMainForm* window = statisticsWindow();
  return window ? &window->session() : nullptr;
}

void releaseStatisticsWindow()
{
  State& s = state();
  if (s.statisticsWindow) s.statisticsWindow->release();
  forget(s);
  // A host without Qt has no event loop that would ever carry out the
  // deferred destruction: the windows go now, saving their settings while
  // Qt is whole.
  if (ownApplication()) QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  std::erase_if(s.released, [](const QPointer<TfmMainForm>& w) { return w.isNull(); });
}

}  // namespace q9x::plugin
