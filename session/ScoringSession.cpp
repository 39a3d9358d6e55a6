#include "session/ScoringSession.h"

#include "engine/Bands.h"
#include "engine/Text.h"

namespace q9x {

namespace {
// The number of a band text as the host or the log writes it, 0 for none of the nine.
int bandOf(std::string_view band)
{
  const std::string_view trimmed = trimControls(band);
  return trimmed.empty() ? 0 : bandNumber(trimmed);
}

// The number of the last band among the nine a contact was counted on, 0 for
// none. Read once after a scan: no window shows the band while it runs.
int lastCountedBand(const BandStats& stats)
{
  const std::vector<const TStatistic*> entries = stats.byLastContact();
  for (auto it = entries.rbegin(); it != entries.rend(); ++it)
    if (const int n = bandOf((*it)->Band)) return n;
  return 0;
}
}  // namespace

// Holds off the owner's destruction while work of the session is on the
// stack: a release that comes meanwhile (from an event that work lets run) is
// carried out once the last such work has ended.
class ScoringSession::Hold {
 public:
  explicit Hold(ScoringSession& session) : session_(session), alive_(session.alive_) { ++session.holds_; }
  ~Hold()
  {
    if (gone()) return;
    --session_.holds_;
    session_.destroyWhenIdle();
  }
  Hold(const Hold&) = delete;
  Hold& operator=(const Hold&) = delete;

  // The session's owner was destroyed: nothing of it may be touched.
  bool gone() const { return alive_.expired(); }

 private:
  ScoringSession& session_;
  std::weak_ptr<const bool> alive_;
};

ScoringSession::ScoringSession(SessionHost& host, SessionFrontEnd& frontEnd,
                               const LogReaderFactory& readers, const std::filesystem::path& areaFile)
    : host_(host),
      frontEnd_(frontEnd),
      reader_(readers(host.context().connection)),
      areaTable_(loadAreaFile(areaFile))
{
}

ScoringSession::~ScoringSession() = default;

void ScoringSession::notify(const SessionChange& change)
{
  if (observer_) observer_->changed(change);
}

CountResult ScoringSession::count(const Contact& contact)
{
  const CountResult counted = engine_.count(contact);
  notify({.figures = true, .band = counted.repeat ? 0 : bandOf(counted.band)});
  return counted;
}

bool ScoringSession::letEventsRun()
{
  const std::weak_ptr<const bool> alive = alive_;
  frontEnd_.runPendingEvents();
  return !alive.expired() && !released_;
}

bool ScoringSession::whileHeld(const std::function<void()>& work)
{
  if (released_) return false;
  const Hold hold(*this);
  work();
  return !hold.gone() && !released_;
}

bool ScoringSession::recalculate()
{
  if (released_) return false;
  Hold hold(*this);
  if (!letEventsRun()) return false;
  recalculating_ = true;
  // Recalc is available again also when the log cannot be read, and the
  // figures counted until a scan failed are shown; neither on a session
  // released or destroyed meanwhile.
  SessionChange ended{.commands = true};
  bool read = false;
  try {
    read = recount(hold, ended);
  } catch (...) {
    recalculating_ = false;
    notify(ended);
    throw;
  }
  if (!read) return false;
  recalculating_ = false;
  notify(ended);
  return true;
}

bool ScoringSession::recount(Hold& hold, SessionChange& ended)
{
  const SessionContext opening = host_.context();
  engine_.clear();
  notify({.recounting = true, .band = bandOf(opening.band), .commands = true});

  try {
    reader_->close();
    reader_->open(opening.tableName);
    // The window catches up once the log is open, before the scan.
    if (!letEventsRun()) return false;
    reader_->resumeAfterEvents();
  } catch (...) {
    if (!hold.gone()) reader_->close();
    throw;
  }
  // From here on the figures are the log's, also those counted until an error.
  ended.figures = true;

  const std::string myMainPrefix = host_.context().myMainPrefix;
  LogRow row = host_.currentRow();
  std::size_t rows = 0;
  try {
    rows = countLog(engine_, *reader_, row, myMainPrefix);
  } catch (...) {
    if (const int n = lastCountedBand(engine_.stats())) ended.band = n;
    reader_->close();
    host_.scanFailed(row);
    throw;
  }
  if (const int n = lastCountedBand(engine_.stats())) ended.band = n;
  reader_->close();
  host_.scanEnded(rows > 0 ? &row : nullptr, opening.band);
  return true;
}

void ScoringSession::release()
{
  if (released_) return;
  released_ = true;
  reader_->close();
  notify({.commands = true});
  destroyWhenIdle();
}

void ScoringSession::destroyWhenIdle()
{
  if (!released_ || holds_ > 0 || destructionAsked_) return;
  destructionAsked_ = true;
  frontEnd_.destroyLater();
}

}  // namespace q9x
