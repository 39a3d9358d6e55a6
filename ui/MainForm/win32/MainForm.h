#pragma once
// The statistics window on Windows: owner of the scoring session while the
// plug-in is open. The grid of figures is a list view in report view, the
// score line a static control; Recalc rebuilds everything from the host's log.

#include <windows.h>
#include <commctrl.h>

#include <filesystem>
#include <memory>

#include "engine/LogReader.h"
#include "ui/MainForm/win32/FigureGrid.h"
#include "ui/MainForm/win32/GlyphButton.h"
#include "session/ScoringSession.h"
#include "session/SessionHost.h"
#include "ui/MainForm/StatisticsView.h"
#include "ui/settings/win32/FormStorage.h"

namespace q9x::win32 {

class TfmDomList;

class TfmMainForm final : private SessionFrontEnd, private SessionObserver {
 public:
  // The window classes of both windows, registered with the module that
  // holds this code; once before the first window, and removed again only
  // when no window is left.
  static void registerClasses(HINSTANCE module);
  static void unregisterClasses();

  // Creates the window hidden; the host's call is read from host from then
  // on, which must outlive the window. Throws when the window cannot be
  // made or the area file exists but cannot be read.
  TfmMainForm(SessionHost& host, const LogReaderFactory& readers, const std::filesystem::path& areaFile);
  ~TfmMainForm() override;
  TfmMainForm(const TfmMainForm&) = delete;
  TfmMainForm& operator=(const TfmMainForm&) = delete;

  // Whether the window still exists: it destroys itself once released.
  static bool exists(const TfmMainForm* window);
  // Destroys every window now, released or not (the module is unloaded).
  static void destroyAll();

  HWND handle() const { return hwnd_; }
  ScoringSession& session() { return session_; }

  // Shows the window when it is hidden (its first showing recalculates) and
  // raises it. False when the window was released meanwhile; it must not be
  // touched then.
  bool present();
  // Releases the window with its engine and area window; it is destroyed
  // once the host's message loop runs again.
  void release() { session_.release(); }
  bool isReleased() const { return session_.isReleased(); }

 private:
  static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
  void buildControls();
  // Destroys the area window, the window and what it drew with; safe to repeat.
  void destroyWindow() noexcept;
  void FormShow();
  void runRecalc();
  void btnOBL1Click();
  void showCommands();
  // The band the area window shows first: the one it showed last, kept as "CurrentBand".
  int currentBand() const;
  void render(StatisticsView::Changes changes);

  void runPendingEvents() override;
  void destroyLater() override;
  void changed(const SessionChange& change) override;

  ScoringSession session_;
  StatisticsView view_;
  HWND hwnd_ = nullptr;
  FigureGrid StringGrid1{view_};
  HWND Label1 = nullptr;
  HWND BitBtn1 = nullptr;
  HWND btnOBL1 = nullptr;
  HFONT font_ = nullptr;
  HFONT scoreFont_ = nullptr;
  Glyph recalcGlyph_;
  Glyph areaGlyph_;
  TfmDomList* areaWindow_ = nullptr;
  // Position, state and the area window's band, kept between runs.
  TFormStorage FormStorage1{{{"CurrentBand", 0}}, fpState | fpPosition};
  bool destructionPosted_ = false;
  // Passes over the waiting messages begun so far; each marks its end with its number.
  WPARAM passes_ = 0;
};

}  // namespace q9x::win32
