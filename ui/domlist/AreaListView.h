#pragma once
// What the area window shows: one item per listing line of the area file,
// in the platform's caption order, the selected band, and how each item is
// marked for that band. A front-end draws the items and asks for an item's
// mark each time it draws it.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/WorkedSet.h"
#include "ui/domlist/AreaMarks.h"

namespace q9x {

// The platform's order of captions, locale-aware and letter case counting.
// The captions are handed over once and then compared by their numbers, so
// that a platform comparing another form of text converts each caption once.
class CaptionOrder {
 public:
  virtual ~CaptionOrder() = default;
  virtual void take(const std::vector<std::string>& captions) = 0;
  // Negative, zero or positive as caption a sorts before, with or after caption b.
  virtual int compare(std::size_t a, std::size_t b) const = 0;
};

class AreaListView {
 public:
  // No items.
  AreaListView() = default;
  // The items for the codes the area file lists (one per listing line, file
  // order), sorted by caption; equal captions keep their file order.
  AreaListView(const std::vector<std::string>& listedCodes, CaptionOrder& order);

  std::size_t size() const { return items_.size(); }
  const std::string& caption(std::size_t item) const { return codes_[items_[item]]; }
  // The number of the item's caption among those handed to the CaptionOrder.
  std::size_t captionNumber(std::size_t item) const { return items_[item]; }

  // The selected band, 1 to 9, or 0 while none has been selected.
  int band() const { return band_; }
  // The selected band's text, empty while none has been selected.
  std::string_view bandText() const;
  // The band button shown pressed: the selected band, "10" until one is.
  int pressedButton() const { return band_ != 0 ? band_ : kDesignedButton; }
  // Selects band n when it is 1 to 9; any other n changes nothing.
  void selectBand(int n);

  // How the item is drawn now, for the worked keys as they stand.
  AreaMark mark(std::size_t item, const WorkedSet& worked);
  // The worked keys were emptied, to be counted again from the log.
  void workedCleared() { marks_.restart(); }

 private:
  static constexpr int kDesignedButton = 4;

  std::vector<std::string> codes_;       // distinct, in order of first listing
  std::vector<std::uint32_t> items_;     // each item's code, in list order
  int band_ = 0;
  AreaMarks marks_;
};

}  // namespace q9x
