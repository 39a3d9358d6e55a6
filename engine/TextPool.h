#pragma once
// Interns the few distinct texts that repeat on every contact (bands, modes),
// so that each register entry holds two small numbers instead of two strings.
// A handful of texts is searched by comparing them, which is cheaper than
// hashing the text searched for; a log with many is searched through the
// hashed index.

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
    if (texts_.size() <= kCompared) {
      for (std::uint32_t id = 0; id < texts_.size(); ++id)
        if (texts_[id] == text) return id;
      return std::nullopt;
    }
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
  static constexpr std::size_t kCompared = 8;

  std::unordered_map<std::string, std::uint32_t, StringHash, std::equal_to<>> ids_;
  std::vector<std::string> texts_;
};

}  // namespace q9x
