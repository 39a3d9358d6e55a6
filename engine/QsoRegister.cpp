#include "engine/QsoRegister.h"

#include <algorithm>
#include <numeric>

#include "engine/KeyedHash.h"

namespace q9x {

namespace {
constexpr std::size_t kSmallestIndex = 64;
// Places moved from the previous index per contact added: at least two, so
// the move ends before the new index is half full in its turn.
constexpr std::size_t kMovedPerAdd = 4;
}  // namespace

QsoRegister::Key QsoRegister::keyOf(std::string_view callSign, std::uint32_t band, std::uint32_t mode)
{
  std::uint64_t h = keyedHash(callSign);
  h ^= ((std::uint64_t{band} << 32) | mode) * 0x9e3779b97f4a7c15ull;
  h ^= h >> 29;
  h *= 0xbf58476d1ce4e5b9ull;
  h ^= h >> 32;
  return {callSign, band, mode, static_cast<std::uint32_t>(h)};
}

bool QsoRegister::sortsBefore(const Entry& a, const Entry& b)
{
  // std::string compares bytes as unsigned values.
  if (int c = a.callSign.compare(b.callSign)) return c < 0;
  if (a.band != b.band) return a.band < b.band;
  return a.mode < b.mode;
}

bool QsoRegister::findIn(const std::vector<Slot>& index, const Key& key) const
{
  if (index.empty()) return false;
  const std::size_t mask = index.size() - 1;
  for (std::size_t at = key.hash & mask;; at = (at + 1) & mask) {
    const Slot& slot = index[at];
    if (slot.entry == kNoEntry) return false;
    if (slot.hash != key.hash) continue;
    const Entry& e = entry(slot.entry);
    if (e.band == key.band && e.mode == key.mode && e.callSign == key.callSign) return true;
  }
}

void QsoRegister::place(std::vector<Slot>& index, Slot slot)
{
  const std::size_t mask = index.size() - 1;
  std::size_t at = slot.hash & mask;
  while (index[at].entry != kNoEntry) at = (at + 1) & mask;
  index[at] = slot;
}

void QsoRegister::moveSome(std::size_t slots)
{
  const std::size_t end = std::min(moving_.size(), moved_ + slots);
  for (; moved_ < end; ++moved_)
    if (moving_[moved_].entry != kNoEntry) place(index_, moving_[moved_]);
  if (moved_ == moving_.size()) {
    moving_ = {};
    moved_ = 0;
  }
}

// False when the answer needs the index: the key repeats one of the last few
// entries, or they all have its callsign.
bool QsoRegister::repeatsNoneOfTheLast(const Key& key) const
{
  constexpr std::size_t kLooked = 8;
  for (std::size_t back = 1; back <= kLooked && back <= size_; ++back) {
    const Entry& e = entry(static_cast<std::uint32_t>(size_ - back));
    if (e.callSign != key.callSign) return true;
    if (e.band == key.band && e.mode == key.mode) return false;
  }
  return size_ < kLooked;
}

bool QsoRegister::holds(const Key& key) const
{
  for (std::size_t i = placed_; i < size_; ++i) {
    if (waitingHash_[i - placed_] != key.hash) continue;
    const Entry& e = entry(static_cast<std::uint32_t>(i));
    if (e.band == key.band && e.mode == key.mode && e.callSign == key.callSign) return true;
  }
  return findIn(index_, key) || findIn(moving_, key);
}

void QsoRegister::placeWaiting()
{
  for (std::size_t i = placed_; i < size_; ++i)
    place(index_, Slot{static_cast<std::uint32_t>(i), waitingHash_[i - placed_]});
  placed_ = size_;
}

void QsoRegister::growIndex()
{
  moveSome(moving_.size());  // never two moves at once
  moving_.swap(index_);
  index_.assign(std::max(kSmallestIndex, moving_.size() * 2), Slot{kNoEntry, 0});
}

bool QsoRegister::contains(std::string_view callSign, std::string_view band,
                           std::string_view mode) const
{
  auto bandId = bands_.find(band);
  auto modeId = modes_.find(mode);
  if (!bandId || !modeId) return false;  // a band or mode never counted cannot repeat
  return holds(keyOf(callSign, *bandId, *modeId));
}

bool QsoRegister::add(std::string_view callSign, std::string_view band, std::string_view mode)
{
  const Key key = keyOf(callSign, bands_.intern(band), modes_.intern(mode));
  // A log read in callsign order brings each callsign after all those before
  // it: such a contact cannot be a repeat and needs no search. One with the
  // last callsign can only repeat one of the last entries.
  const int order = size_ == 0 ? 1 : callSign.compare(entry(static_cast<std::uint32_t>(size_ - 1)).callSign);
  if (!ascending_ || order < 0 || (order == 0 && !repeatsNoneOfTheLast(key))) {
    if (holds(key)) return false;
    if (order < 0) ascending_ = false;
  }

  if (size_ - placed_ == kWaiting) placeWaiting();
  if ((size_ + 1) * 2 > index_.size()) growIndex();
  if (size_ >> kBlockBits == blocks_.size()) blocks_.emplace_back().reserve(std::size_t{1} << kBlockBits);
  blocks_.back().push_back(Entry{std::string(callSign), key.band, key.mode});
  waitingHash_[size_ - placed_] = key.hash;
  ++size_;
  if (!moving_.empty()) moveSome(kMovedPerAdd);
  return true;
}

void QsoRegister::clear()
{
  blocks_.clear();
  size_ = 0;
  placed_ = 0;
  ascending_ = true;
  index_ = {};
  moving_ = {};
  moved_ = 0;
  bands_.clear();
  modes_.clear();
}

std::vector<TQSO> QsoRegister::list() const
{
  std::vector<std::uint32_t> order(size_);
  std::iota(order.begin(), order.end(), 0u);
  std::sort(order.begin(), order.end(),
            [this](std::uint32_t a, std::uint32_t b) { return sortsBefore(entry(a), entry(b)); });
  std::vector<TQSO> result;
  result.reserve(size_);
  for (std::uint32_t i : order) {
    const Entry& e = entry(i);
    result.push_back({e.callSign, bands_.text(e.band), modes_.text(e.mode)});
  }
  return result;
}

}  // namespace q9x
