#include "plugin/qt/PluginState.h"

#include <QApplication>
#include <QPointer>
#include <vector>

#include "platform/qt/ErrorReport.h"
#include "plugin/PluginBoundary.h"
#include "plugin/qt/QtApplication.h"

namespace q9x::plugin {

namespace {

// Set when the dynamic linker unloads this library while the process goes
// on. Its finalisers run before it destroys the library's static objects; at
// process exit they run only after every static object of the process (Qt's
// among them) is gone, so the flag is still clear then.
bool unloading = false;
__attribute__((destructor)) void markUnloading() { unloading = true; }

class State final : public PluginFrontEnd {
 public:
  // The windows' code lives in this library: when it is unloaded while the
  // application still runs, destroy them now (saving their settings) rather
  // than leave a deferred destruction that would call into unloaded code. At
  // process exit nothing is touched: Qt's own state may already be gone.
  ~State() override
  {
    if (!unloading || !QCoreApplication::instance() || QCoreApplication::closingDown()) return;
    released_.push_back(window_);
    for (QPointer<TfmMainForm>& window : released_) delete window.data();
  }

  TfmMainForm* window() const { return window_ && !window_->isReleased() ? window_.data() : nullptr; }

  ScoringSession* session() override
  {
    TfmMainForm* open = window();
    return open ? &open->session() : nullptr;
  }

  void createWindow(SessionHost& host) override
  {
    ensureWidgetApplication();
    auto window = std::make_unique<TfmMainForm>(host);
    window->winId();
    forget();
    window_ = window.release();
  }

  std::intptr_t present() override
  {
    TfmMainForm* open = window();
    // The first showing may have let a release or a close request through.
    if (!open || !open->present() || window() != open) return 0;
    return static_cast<std::intptr_t>(open->winId());
  }

  void release() override
  {
    if (window_) window_->release();
    forget();
    // A host without Qt has no event loop that would ever carry out the
    // deferred destruction: the windows go now, saving their settings while
    // Qt is whole.
    if (ownApplication()) QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    std::erase_if(released_, [](const QPointer<TfmMainForm>& w) { return w.isNull(); });
  }

  void showError(const std::string& text) override { reportError(QString::fromLocal8Bit(text)); }

  PluginBoundary boundary{*this};

 private:
  // Keeps a window that may still await its deferred destruction in view.
  void forget()
  {
    if (window_) released_.push_back(window_);
    window_ = nullptr;
    std::erase_if(released_, [](const QPointer<TfmMainForm>& w) { return w.isNull(); });
  }

  QPointer<TfmMainForm> window_;
  // Windows released but perhaps not yet destroyed by the event loop.
  std::vector<QPointer<TfmMainForm>> released_;
};

State& state()
{
  static State s;
  return s;
}

}  // namespace

PluginBoundary& boundary() { return state().boundary; }

TfmMainForm* statisticsWindow() { return state().window(); }

}  // namespace q9x::plugin
