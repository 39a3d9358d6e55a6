#include "plugin/PluginBoundary.h"

#include <exception>
#include <stdexcept>
#include <string>

#include "plugin/RecordFields.h"

namespace q9x::plugin {

// Runs an export's work; an error is shown to the user and the export gives
// its empty answer instead of crashing the host.
template <class Result, class Work>
Result PluginBoundary::guarded(Result emptyAnswer, Work&& work) noexcept
{
  try {
    try {
      return work();
    } catch (const std::exception& e) {
      frontEnd_.showError(e.what());
    } catch (...) {
      frontEnd_.showError("Unknown error");
    }
  } catch (...) {
    // Not even the error could be shown (out of memory): the host goes on.
  }
  return emptyAnswer;
}

ScoringSession* PluginBoundary::take(const TPluginRecord* rec)
{
  if (!rec) return nullptr;
  current_ = *rec;
  return frontEnd_.session();
}

std::intptr_t PluginBoundary::run(const TPluginRecord* rec)
{
  return guarded<std::intptr_t>(0, [this, rec]() -> std::intptr_t {
    if (!rec) throw std::invalid_argument("The host passed no plug-in record");
    // An open window keeps the record it has; a new one starts from this one.
    if (!frontEnd_.session()) {
      current_ = *rec;
      frontEnd_.createWindow(host_);
    }
    // A hidden window is shown (its first showing recalculates); a minimised
    // one stays minimised; either is raised above the others.
    return frontEnd_.present();
  });
}

std::int32_t PluginBoundary::score(const TPluginRecord* rec)
{
  return guarded<std::int32_t>(0, [this, rec]() -> std::int32_t {
    ScoringSession* session = take(rec);
    return session ? session->score(contactOf(current_)) : 0;
  });
}

std::int32_t PluginBoundary::addQso(const TPluginRecord* rec)
{
  return guarded<std::int32_t>(0, [this, rec]() -> std::int32_t {
    ScoringSession* session = take(rec);
    // The windows follow the count through the session's notification.
    return session ? session->count(contactOf(current_)).points : 0;
  });
}

void PluginBoundary::grabNumber(const TPluginRecord* rec, unsigned char result[256])
{
  if (!result) return;
  result[0] = 0;
  guarded<int>(0, [this, rec, result] {
    ScoringSession* session = take(rec);
    if (!session) return 0;
    const std::string code =
        session->proposeArea(readShort(current_.DXCCPrefix), readShort(current_.MainPrefix));
    writeShort(*reinterpret_cast<TShortString*>(result), code);
    return 0;
  });
}

void PluginBoundary::release() noexcept
{
  try {
    frontEnd_.release();
  } catch (...) {
    // Releasing never fails towards the host.
  }
}

}  // namespace q9x::plugin
