#include "ui/MainForm/win32/FigureGrid.h"

#include <bit>
#include <string>

#include "plugin/q9xcup.h"
#include "ui/win32/WindowParts.h"

namespace q9x::win32 {

namespace {
constexpr int kColumnWidth = 64;
constexpr int kRowHeight = 17;
constexpr COLORREF kGridColour = RGB(253, 255, 206);
constexpr COLORREF kGridLineColour = RGB(192, 192, 192);
}  // namespace

void FigureGrid::create(HWND parent, int width, int height, HFONT font)
{
  font_ = font;
  brush_ = ::CreateSolidBrush(kGridColour);
  list_ = createControl(parent, WC_LISTVIEWA, "",
                        LVS_REPORT | LVS_NOCOLUMNHEADER | LVS_NOSORTHEADER | LVS_SINGLESEL | LVS_SHAREIMAGELISTS, 0,
                        0, width, height, Q9X_IDC_StringGrid1, font);
  ::SendMessageA(list_, LVM_SETBKCOLOR, 0, kGridColour);
  ::SendMessageA(list_, LVM_SETTEXTBKCOLOR, 0, kGridColour);
  // A report view's rows are as high as its small images and one pixel of
  // padding; the list is the grid's to destroy (LVS_SHAREIMAGELISTS).
  rowHeight_ = ::ImageList_Create(1, kRowHeight - 1, ILC_COLOR, 1, 0);
  ::SendMessageA(list_, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(rowHeight_));
  for (int column = 0; column < StatisticsView::kColumns; ++column) {
    LVCOLUMNA lvc{};
    lvc.mask = LVCF_WIDTH | LVCF_FMT | LVCF_SUBITEM;
    lvc.fmt = LVCFMT_CENTER;
    lvc.cx = kColumnWidth;
    lvc.iSubItem = column;
    ::SendMessageA(list_, LVM_INSERTCOLUMNA, column, reinterpret_cast<LPARAM>(&lvc));
  }
  for (int row = 0; row < StatisticsView::kRows; ++row) {
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.pszText = const_cast<char*>("");
    ::SendMessageA(list_, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
  }
}

void FigureGrid::release() noexcept
{
  list_ = nullptr;
  if (rowHeight_) ::ImageList_Destroy(rowHeight_);
  rowHeight_ = nullptr;
  if (brush_) ::DeleteObject(brush_);
  brush_ = nullptr;
}

LRESULT FigureGrid::draw(NMLVCUSTOMDRAW& draw) const
{
  switch (draw.nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
      return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT: {
      // Every cell of the row drawn here: the grid's own colour, silver lines
      // at its right and bottom, the text centred at its top.
      const int row = static_cast<int>(draw.nmcd.dwItemSpec);
      RECT bounds{};
      bounds.left = LVIR_BOUNDS;
      ::SendMessageA(list_, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&bounds));
      HDC dc = draw.nmcd.hdc;
      HPEN pen = ::CreatePen(PS_SOLID, 1, kGridLineColour);
      HGDIOBJ oldPen = ::SelectObject(dc, pen);
      HGDIOBJ oldFont = ::SelectObject(dc, font_);
      ::SetBkMode(dc, TRANSPARENT);
      ::SetTextColor(dc, RGB(0, 0, 0));
      for (int column = 0; column < StatisticsView::kColumns; ++column) {
        RECT cell{bounds.left + column * kColumnWidth, bounds.top, bounds.left + (column + 1) * kColumnWidth,
                  bounds.bottom};
        ::FillRect(dc, &cell, brush_);
        ::MoveToEx(dc, cell.right - 1, cell.top, nullptr);
        ::LineTo(dc, cell.right - 1, cell.bottom - 1);
        ::LineTo(dc, cell.left - 1, cell.bottom - 1);
        const std::string& text = view_.text(column, row);
        RECT inner{cell.left + 2, cell.top + 2, cell.right - 2, cell.bottom - 1};
        ::DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &inner,
                    DT_CENTER | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
      }
      ::SelectObject(dc, oldFont);
      ::SelectObject(dc, oldPen);
      ::DeleteObject(pen);
      return CDRF_SKIPDEFAULT;
    }
    default:
      return CDRF_DODEFAULT;
  }
}

void FigureGrid::show(StatisticsView::Cells cells)
{
  if (cells == 0) return;
  // Only the changed cells are set and repainted: a contact touches a few of them.
  for (StatisticsView::Cells left = cells; left != 0; left &= left - 1) {
    const int bit = std::countr_zero(left);
    const int column = bit % StatisticsView::kColumns;
    const int row = bit / StatisticsView::kColumns;
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = const_cast<char*>(view_.text(column, row).c_str());
    ::SendMessageA(list_, LVM_SETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
  }
  ::UpdateWindow(list_);
}

}  // namespace q9x::win32
