#include "ui/domlist/AreaListItem.h"

#include <algorithm>
#include <cstddef>
#include <unordered_map>

namespace q9x {

namespace {
QString caption(const std::string& code)
{
  return QString::fromLocal8Bit(code.data(), static_cast<qsizetype>(code.size()));
}

bool captionLess(const QString& a, const QString& b) { return QString::localeAwareCompare(a, b) < 0; }
}  // namespace

AreaListItem::AreaListItem(const std::string& code)
    : QListWidgetItem(caption(code), nullptr, QListWidgetItem::UserType), code_(code)
{
}

bool AreaListItem::operator<(const QListWidgetItem& other) const { return captionLess(text(), other.text()); }

QList<QListWidgetItem*> areaListItems(const std::vector<std::string>& listedCodes)
{
  // Area files repeat few codes many times: the locale comparison, which is
  // slow, runs only among the distinct codes, and the lines are then placed
  // by their code's rank, which keeps equal captions in file order.
  std::unordered_map<std::string, std::size_t> idOf;
  std::vector<std::string> codes;
  std::vector<std::size_t> lineIds;
  lineIds.reserve(listedCodes.size());
  for (const std::string& code : listedCodes) {
    auto [at, added] = idOf.try_emplace(code, codes.size());
    if (added) codes.push_back(code);
    lineIds.push_back(at->second);
  }

  std::vector<QString> captions;
  captions.reserve(codes.size());
  for (const std::string& code : codes) captions.push_back(caption(code));
  std::vector<std::size_t> byCaption(codes.size());
  for (std::size_t id = 0; id < codes.size(); ++id) byCaption[id] = id;
  std::stable_sort(byCaption.begin(), byCaption.end(),
                   [&](std::size_t a, std::size_t b) { return captionLess(captions[a], captions[b]); });
  // Distinct codes the locale ranks equal share a rank, so their lines too
  // stay in file order among each other.
  std::vector<std::size_t> rank(codes.size());
  std::size_t ranks = 0;
  for (std::size_t k = 0; k < byCaption.size(); ++k) {
    if (k > 0 && captionLess(captions[byCaption[k - 1]], captions[byCaption[k]])) ++ranks;
    rank[byCaption[k]] = ranks;
  }

  // A counting sort by rank: stable, and linear in the lines.
  std::vector<std::size_t> start(ranks + 2, 0);
  for (std::size_t id : lineIds) ++start[rank[id] + 1];
  for (std::size_t r = 1; r < start.size(); ++r) start[r] += start[r - 1];
  std::vector<std::size_t> ordered(lineIds.size());
  for (std::size_t id : lineIds) ordered[start[rank[id]]++] = id;

  QList<QListWidgetItem*> items;
  items.reserve(static_cast<qsizetype>(ordered.size()));
  for (std::size_t id : ordered) items.append(new AreaListItem(codes[id]));
  return items;
}

}  // namespace q9x
