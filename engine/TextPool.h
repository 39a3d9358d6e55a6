#pragma once
// Interns the few distinct texts that repeat on every contact (bands, modes),
// so that each register entry holds two small numbers instead of two strings.
// A handful of texts is searched by comparing them, which is cheaper than
// hashing the text searched for; a log with many is searched through the
// hashed index.

#include <algorithm>
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
      // Texts up to eight bytes, nearly every band and mode, are told apart
      // by their length and head alone, without a call to compare bytes.
      const Head head = headOf(text);
      for (std::uint32_t id = 0; id < heads_.size(); ++id)
        if (heads_[id] == head && (text.size() <= sizeof head.bytes || texts_[id] == text)) return id;
      return std::nullopt;
    }
    auto it = ids_.find(text);
    if (it == ids_.end()) return std::nullopt;
    return it->second;
  }

  std::uint32_t intern(std::string_view text)
  {
    if (auto id = find(text)) return *id;
    return add(text);
  }

  const std::string& text(std::uint32_t id) const { return texts_[id]; }

  void clear()
  {
    ids_.clear();
    texts_.clear();
    heads_.clear();
  }

 private:
  static constexpr std::size_t kCompared = 8;

  // Apart from the search, which runs for every contact, so that the search
  // stays small.
  std::uint32_t add(std::string_view text);

  // A text's length and its first eight bytes.
  struct Head {
    std::uint64_t bytes;
    std::size_t size;
    bool operator==(const Head&) const = default;
  };
  static Head headOf(std::string_view text)
  {
    std::uint64_t bytes = 0;
    const std::size_t taken = std::min(text.size(), sizeof bytes);
    for (std::size_t i = 0; i < taken; ++i) bytes |= std::uint64_t{static_cast<unsigned char>(text[i])} << (8 * i);
    return {bytes, text.size()};
  }

  std::unordered_map<std::string, std::uint32_t, StringHash, std::equal_to<>> ids_;
  std::vector<std::string> texts_;
  std::vector<Head> heads_;  // per text, for the compared search
};

}  // namespace q9x
