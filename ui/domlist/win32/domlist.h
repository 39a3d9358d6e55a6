#pragma once
// The area window on Windows: the area codes of the area file in a list view
// in list mode, those worked on the selected band drawn red and bold, and a
// row of push-like band buttons that selects the band. It is owned by the
// statistics window and reads that window's scoring session.

#include <windows.h>
#include <commctrl.h>

#include <functional>

#include "session/ScoringSession.h"
#include "ui/domlist/AreaListView.h"
#include "ui/settings/win32/FormStorage.h"

namespace q9x::win32 {

class TfmDomList {
 public:
  struct Callbacks {
    // The operator or a counted contact selected band n (1 to 9).
    std::function<void(int band)> bandSelected;
    // The window is being destroyed; it deletes itself.
    std::function<void()> closed;
  };

  static void registerClass(HINSTANCE module);
  static void unregisterClass(HINSTANCE module);

  // Creates the window hidden, owned by owner, with the items of the
  // session's area table; storedBand is the band it shows first (0: none).
  // Throws when the window cannot be made.
  TfmDomList(HWND owner, const ScoringSession& session, int storedBand, Callbacks callbacks);
  TfmDomList(const TfmDomList&) = delete;
  TfmDomList& operator=(const TfmDomList&) = delete;

  HWND handle() const { return hwnd_; }
  void show();
  // Destroys the window and this object at once.
  void destroyNow();

  // Selects band n when it is 1 to 9 and redraws the marks.
  void SelectBand(int n);
  // The worked codes were emptied, to be counted again.
  void workedCleared() { view_.workedCleared(); }
  // The owner serves nothing more: the band buttons stop, nothing is marked.
  void ownerReleased();

 private:
  ~TfmDomList();
  static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
  void buildControls();
  void deleteFonts() noexcept;
  void FormCreate();
  void Panel2Resize(int width, int height);
  LRESULT LV1CustomDraw(NMLVCUSTOMDRAW& draw);
  bool ownerServes() const { return !session_.isReleased(); }

  const ScoringSession& session_;
  Callbacks callbacks_;
  AreaListView view_;
  int storedBand_;
  HWND hwnd_ = nullptr;
  HWND LV1 = nullptr;
  HWND bandButtons_[9] = {};
  HFONT font_ = nullptr;
  HFONT boldFont_ = nullptr;
  // Position and size, kept between runs.
  TFormStorage FormStorage1{{}, fpPosition};
};

}  // namespace q9x::win32
