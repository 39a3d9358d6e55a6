#include "session/ScoringSession.h"

#include "engine/Bands.h"
#include "engine/Text.h"
#include "platform/HostProgram.h"

namespace q9x {

ScoringSession::ScoringSession(SessionHost& host)
    : host_(host),
      LogQuery(makeQtLogReader(host.context().connection)),
      areaTable_(loadAreaFile(areaFilePath()))
{
}

CountResult ScoringSession::count(const Contact& contact)
{
  const CountResult counted = engine_.count(contact);
  if (!counted.repeat) selectBand(counted.band);
  emit figuresChanged();
  return counted;
}

void ScoringSession::end()
{
  ended_ = true;
  LogQuery->close();
}

void ScoringSession::selectBand(std::string_view band)
{
  const std::string_view trimmed = trimControls(band);
  if (trimmed.empty()) return;
  if (const int n = bandNumber(trimmed)) emit bandSelected(n);
}

bool ScoringSession::recalculate(const std::function<bool()>& letEventsRun)
{
  const SessionContext opening = host_.context();
  engine_.clear();
  selectBand(opening.band);

  LogQuery->close();
  LogQuery->open(opening.tableName);
  // Calls that arrive now are served against the engine as it stands, and
  // the scan refuses any contact they counted already.
  if (!letEventsRun()) return false;
  LogQuery->resumeAfterEvents();

  const std::string myMainPrefix = host_.context().myMainPrefix;
  LogRow row = host_.currentRow();
  std::size_t rows = 0;
  try {
    rows = countLog(engine_, *LogQuery, row, myMainPrefix, [this](const CountResult& counted) {
      if (!counted.repeat) selectBand(counted.band);
    });
  } catch (...) {
    host_.scanFailed(row);
    throw;
  }
  LogQuery->close();
  host_.scanEnded(rows > 0 ? &row : nullptr, opening.band);
  emit figuresChanged();
  return true;
}

}  // namespace q9x
