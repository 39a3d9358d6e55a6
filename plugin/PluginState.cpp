#include "plugin/PluginState.h"

#include <QApplication>
#include <vector>

namespace q9x::plugin {

namespace {
struct State {
  TPluginRecord currentRecord{};
  QPointer<TfmMainForm> statisticsWindow;
  // Windows released but perhaps not yet destroyed by the event loop.
  std::vector<QPointer<TfmMainForm>> released;

  // The windows' code lives in this library: when it is unloaded while the
  // host's application still runs, destroy them now rather than leave a
  // deferred destruction that would call into unloaded code.
  ~State()
  {
    if (!QCoreApplication::instance() || QCoreApplication::closingDown()) return;
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

TfmDomList* areaWindow()
{
  TfmMainForm* window = statisticsWindow();
  return window ? window->areaWindow() : nullptr;
}

void releaseStatisticsWindow()
{
  State& s = state();
  if (s.statisticsWindow) s.statisticsWindow->release();
  forget(s);
}

}  // namespace q9x::plugin
