#pragma once
// The statistics window's grid of figures: a list view in report view that
// only shows the texts of the StatisticsView, drawn cell by cell as a grid
// in its own colour. No headers, no selection, no scrolling.

#include <windows.h>
#include <commctrl.h>

#include "ui/MainForm/StatisticsView.h"

namespace q9x::win32 {

class FigureGrid {
 public:
  explicit FigureGrid(const StatisticsView& view) : view_(view) {}
  ~FigureGrid() { release(); }
  FigureGrid(const FigureGrid&) = delete;
  FigureGrid& operator=(const FigureGrid&) = delete;

  // The list view as the parent's child at its top-left corner, with the
  // control ID of StringGrid1. Throws when it cannot be made.
  void create(HWND parent, int width, int height, HFONT font);
  // Frees what it drew with; after its parent, and with it the list view,
  // is destroyed. Safe to repeat.
  void release() noexcept;

  HWND handle() const { return list_; }
  // The answer to the list view's NM_CUSTOMDRAW.
  LRESULT draw(NMLVCUSTOMDRAW& draw) const;
  // Sets and repaints the cells that changed.
  void show(StatisticsView::Cells cells);

 private:
  const StatisticsView& view_;
  HWND list_ = nullptr;
  HFONT font_ = nullptr;
  HBRUSH brush_ = nullptr;
  HIMAGELIST rowHeight_ = nullptr;
};

}  // namespace q9x::win32
