// The Windows front-end of the loaded DLL: the one statistics window (which
// owns the scoring session and the area window), created with the DLL's own
// window classes, and the error box.

#include <windows.h>

#include "platform/win32/AdoLogReader.h"
#include "platform/win32/ErrorBox.h"
#include "platform/win32/HostProgram.h"
#include "plugin/PluginBoundary.h"
#include "ui/MainForm/win32/MainForm.h"

extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace q9x::plugin {

namespace {

using win32::TfmMainForm;

class Win32FrontEnd final : public PluginFrontEnd {
 public:
  // The open window: not released, and not destroyed by the host's loop
  // (a WM_CLOSE from the host releases it without this front-end).
  TfmMainForm* window() const
  {
    return TfmMainForm::exists(window_) && !window_->isReleased() ? window_ : nullptr;
  }

  ScoringSession* session() override
  {
    TfmMainForm* open = window();
    return open ? &open->session() : nullptr;
  }

  void createWindow(SessionHost& host) override
  {
    TfmMainForm::registerClasses(reinterpret_cast<HINSTANCE>(&__ImageBase));
    window_ = new TfmMainForm(host, makeAdoLogReader, areaFilePath());
  }

  std::intptr_t present() override
  {
    TfmMainForm* open = window();
    // The first showing may have let a release or a close through.
    if (!open || !open->present() || window() != open) return 0;
    return reinterpret_cast<std::intptr_t>(open->handle());
  }

  void release() override
  {
    // The window destroys itself once the host's loop runs again.
    if (TfmMainForm* open = window()) open->release();
    window_ = nullptr;
  }

  void showError(const std::string& text) override { reportError(text); }

  PluginBoundary boundary{*this};

 private:
  TfmMainForm* window_ = nullptr;
};

Win32FrontEnd& frontEnd()
{
  static Win32FrontEnd s;
  return s;
}

}  // namespace

PluginBoundary& boundary() { return frontEnd().boundary; }

}  // namespace q9x::plugin

// The window procedures live in this DLL: when the host unloads it, the
// windows still there are destroyed and the classes removed, so that the
// host may load it again. That runs under the loader's lock, so an error
// (a failed save of the windows' settings) is not shown there. At process
// exit (reserved not null) nothing is touched: the process's windows go
// with it.
extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID reserved)
{
  if (reason == DLL_PROCESS_DETACH && reserved == nullptr) {
    q9x::holdErrorBoxesForUnload();
    q9x::win32::TfmMainForm::destroyAll();
    q9x::win32::TfmMainForm::unregisterClasses();
  }
  return TRUE;
}
