#include "engine/TextPool.h"

namespace q9x {

std::uint32_t TextPool::add(std::string_view text)
{
  auto id = static_cast<std::uint32_t>(texts_.size());
  texts_.emplace_back(text);
  heads_.push_back(headOf(text));
  ids_.emplace(std::string(text), id);
  return id;
}

}  // namespace q9x
