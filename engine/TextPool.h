#pragma once
// Interns the few distinct texts that repeat on every contact (bands, modes),
// so that each register entry holds two small numbers instead of two strings.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "engine/StringHash.h"

namespace q9x {

class TextPool {
 public:
  std::optional<std::uint32_t> find(std::string_view text) const
  {
    auto it = ids_.find(text);
    if (it == ids_.end()) return std::nullopt;
    return it->second;
  }

  std::uint32_t intern(std::string_view text)
  {
    if (auto id = find(text)) return *id;
    auto id = static_cast<std::uint32_t>(texts_.size());
    texts_.emplace_back(text);
    ids_.emplace(std::string(text), id);
    return id;
  }

  const std::string& text(std::uint32_t id) const { return texts_[id]; }

  void clear()
  {
    ids_.clear();
    texts_.clear();
  }

 private:
  std::unordered_map<std::string, std::uint32_t, StringHash, std::equal_to<>> ids_;
  std::vector<std::string> texts_;
};

}  // namespace q9x
