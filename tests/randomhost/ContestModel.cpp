#include "tests/randomhost/ContestModel.h"

#include <algorithm>

namespace q9xtest {

namespace {
bool occursIn(const std::string& field, const char* list)
{
  return std::string(list).find(":" + field + ":") != std::string::npos;
}

std::string upper(std::string s)
{
  for (char& ch : s)
    if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
  return s;
}

std::string trimmed(const std::string& s)
{
  std::size_t b = 0, e = s.size();
  while (b < e && static_cast<unsigned char>(s[b]) <= 32) ++b;
  while (e > b && static_cast<unsigned char>(s[e - 1]) <= 32) --e;
  return s.substr(b, e - b);
}

bool isLetter(char ch) { return ch >= 'A' && ch <= 'Z'; }
bool isLetterOrDigit(char ch) { return isLetter(ch) || (ch >= '0' && ch <= '9'); }

// The last n characters when each passes the test, else nothing.
std::string tail(const std::string& s, std::size_t n, bool (*test)(char))
{
  if (s.size() < n) return {};
  const std::string end = s.substr(s.size() - n);
  return std::all_of(end.begin(), end.end(), test) ? end : std::string();
}

}  // namespace

std::int32_t ContestModel::score(const ModelContact& c, const std::string& myMainPrefix, bool count)
{
  if (register_.count({c.call, c.band, c.mode})) return -1;
  const bool inside = occursIn(c.mainPrefix, ":UA3A:");
  std::int32_t points = 0;
  if (occursIn(c.band, ":3.5:7:")) points = occursIn(myMainPrefix, ":UA3A:") == inside ? 1 : 5;
  if (!count) return points;

  register_.insert({c.call, c.band, c.mode});
  auto entry = std::find_if(bands_.begin(), bands_.end(), [&](const ModelBand& b) { return b.band == c.band; });
  if (entry == bands_.end()) entry = bands_.insert(bands_.end(), ModelBand{c.band});
  entry->qsos += 1;
  entry->points += points;

  const std::string report = trimmed(upper(c.report));
  const std::string code = inside ? tail(report, 2, isLetter) : tail(report, 4, isLetterOrDigit);
  if (!code.empty()) {
    std::vector<std::string>& worked = inside ? areaWorked_ : rdaWorked_;
    const std::string key = upper(c.band + "|" + code + "|");
    if (std::find(worked.begin(), worked.end(), key) == worked.end()) {
      worked.push_back(key);
      (inside ? entry->area : entry->rda) += 1;
    }
  }
  return points;
}

void ContestModel::recount(const std::vector<ModelContact>& rows, const std::string& myMainPrefix)
{
  register_.clear();
  bands_.clear();
  areaWorked_.clear();
  rdaWorked_.clear();
  for (const ModelContact& row : rows) score(row, myMainPrefix, true);
}

const ModelBand* ContestModel::band(const std::string& band) const
{
  for (const ModelBand& b : bands_)
    if (b.band == band) return &b;
  return nullptr;
}

ModelBand ContestModel::totals() const
{
  ModelBand t;
  for (const ModelBand& b : bands_) {
    t.qsos += b.qsos;
    t.points += b.points;
    t.area += b.area;
    t.rda += b.rda;
  }
  return t;
}

std::string ContestModel::scoreLine() const
{
  const ModelBand t = totals();
  const auto score = static_cast<std::int32_t>(static_cast<std::uint32_t>(t.points) *
                                               static_cast<std::uint32_t>(t.area + t.rda));
  return "Score: " + std::to_string(t.points) + "*(" + std::to_string(t.area) + "+" + std::to_string(t.rda) +
         ")=" + std::to_string(score);
}

std::string proposedArea(const std::vector<std::string>& table, const std::string& dxcc,
                         const std::string& mainPrefix)
{
  if (!occursIn(trimmed(upper(dxcc)), ":UA3A:")) return {};
  std::size_t offset = 0;
  if (mainPrefix == "UA2")
    offset = 4;
  else if (mainPrefix.size() == 4)
    offset = 5;
  else
    return {};
  std::string result;
  for (const std::string& line : table) {
    const std::size_t at = line.find(mainPrefix);
    if (at == std::string::npos) continue;
    result = at + offset < line.size() ? trimmed(line.substr(at + offset, 2)) : std::string();
  }
  return result;
}

}  // namespace q9xtest
