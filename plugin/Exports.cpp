// The six functions the host calls. Each turns the host's record into calls
// of the scoring session and catches everything: no exception may reach the host.

#include <QString>
#include <memory>
#include <stdexcept>

#include "platform/ErrorReport.h"
#include "plugin/PluginState.h"
#include "plugin/QtApplication.h"
#include "plugin/RecordFields.h"
#include "plugin/q9xcup.h"
#include "ui/MainForm/MainForm.h"

using namespace q9x;

namespace {

// Runs an export's work; an error is shown to the user and the export gives
// its empty answer instead of crashing the host.
template <class Result, class Work>
Result guarded(Result emptyAnswer, Work&& work)
{
  try {
    return work();
  } catch (const std::exception& e) {
    reportError(QString::fromLocal8Bit(e.what()));
  } catch (...) {
    reportError(QStringLiteral("Unknown error"));
  }
  return emptyAnswer;
}

// The host's record becomes the current one before anything else happens.
ScoringSession* takeRecord(const TPluginRecord* rec)
{
  if (rec) plugin::currentRecord() = *rec;
  return rec ? plugin::scoringSession() : nullptr;
}

TfmMainForm* openStatisticsWindow(const TPluginRecord& rec)
{
  if (TfmMainForm* window = plugin::statisticsWindow()) return window;
  plugin::ensureWidgetApplication();
  plugin::currentRecord() = rec;
  auto window = std::make_unique<TfmMainForm>(plugin::currentRecordHost());
  window->winId();
  plugin::setStatisticsWindow(window.get());
  return window.release();
}

}  // namespace

extern "C" {

Q9X_API void Q9X_CALL _GetInfo(TPluginInfo* info)
{
  if (!info) return;
  writeShort(info->PluginName, "Q9X-CUP-DIGI");
  info->PluginValue = 1;
  writeShort(info->HostId, "vextor_contest");
  info->HostValue = 1;
}

Q9X_API intptr_t Q9X_CALL _Run(intptr_t, const TPluginRecord* rec)
{
  return guarded<intptr_t>(0, [rec]() -> intptr_t {
    if (!rec) throw std::invalid_argument("The host passed no plug-in record");
    TfmMainForm* window = openStatisticsWindow(*rec);
    // A hidden window is shown (its first showing recalculates); a minimised
    // one stays minimised; either is raised above the others. The first
    // showing may have let a release or a close request through.
    if (!window->present() || plugin::statisticsWindow() != window) return 0;
    return static_cast<intptr_t>(window->winId());
  });
}

Q9X_API int32_t Q9X_CALL _GetScore(const TPluginRecord* rec)
{
  return guarded<int32_t>(0, [rec]() -> int32_t {
    ScoringSession* session = takeRecord(rec);
    if (!session) return 0;
    return session->score(contactOf(plugin::currentRecord()));
  });
}

Q9X_API int32_t Q9X_CALL _AddQSO(const TPluginRecord* rec)
{
  return guarded<int32_t>(0, [rec]() -> int32_t {
    ScoringSession* session = takeRecord(rec);
    if (!session) return 0;
    // The windows follow the count through the session's signals.
    return session->count(contactOf(plugin::currentRecord())).points;
  });
}

Q9X_API void Q9X_CALL _GrabNumber(const TPluginRecord* rec, unsigned char result[256])
{
  if (!result) return;
  result[0] = 0;
  guarded<int>(0, [rec, result] {
    ScoringSession* session = takeRecord(rec);
    if (!session) return 0;
    const TPluginRecord& current = plugin::currentRecord();
    std::string code = session->proposeArea(readShort(current.DXCCPrefix), readShort(current.MainPrefix));
    writeShort(*reinterpret_cast<TShortString*>(result), code);
    return 0;
  });
}

Q9X_API void Q9X_CALL _Release(void)
{
  try {
    plugin::releaseStatisticsWindow();
  } catch (...) {
    // Releasing never fails towards the host.
  }
}

}  // extern "C"
