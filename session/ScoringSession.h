#pragma once
// The scoring state of one open statistics window: the engine, the host's log
// reader and the area table, the recalculation with its re-entrancy rules, and
// the released state. It knows no toolkit: the front-end runs the events and
// destroys the owner (SessionFrontEnd), and learns of every change through one
// notification (SessionObserver).

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "engine/AreaTable.h"
#include "engine/ContestEngine.h"
#include "engine/LogReader.h"
#include "session/SessionFrontEnd.h"
#include "session/SessionHost.h"

namespace q9x {

class ScoringSession {
 public:
  // Makes the log reader for the host's connection and loads the area file
  // (no file gives an empty table); throws when it exists but cannot be read.
  // host and frontEnd must outlive the session.
  ScoringSession(SessionHost& host, SessionFrontEnd& frontEnd, const LogReaderFactory& readers,
                 const std::filesystem::path& areaFile);
  ~ScoringSession();
  ScoringSession(const ScoringSession&) = delete;
  ScoringSession& operator=(const ScoringSession&) = delete;

  // The one observer of changes (the statistics window), or null.
  void setObserver(SessionObserver* observer) { observer_ = observer; }

  // The host's call as it stands now.
  SessionContext context() const { return host_.context(); }

  // The points a contact would earn, -1 for a repeat; counts nothing.
  std::int32_t score(const Contact& contact) const { return engine_.points(contact); }
  // Counts the contact: selects its band and changes the figures.
  CountResult count(const Contact& contact);
  // The area code the station is expected to send, or empty.
  std::string proposeArea(std::string_view dxccPrefix, std::string_view mainPrefix) const
  {
    return areaTable_.lookup(dxccPrefix, mainPrefix);
  }

  // The Recalc command: lets pending events run, empties the engine, selects
  // the host's band, opens the log, lets pending events run once more and
  // counts every row of the log. Calls that arrive while events run are
  // served against the engine as it stands; the scan refuses any contact they
  // counted already. False when the session was released (or its owner
  // destroyed) meanwhile: nothing more was done, and a destroyed session must
  // not be touched. Database errors are thrown; when the scan had begun, the
  // figures counted until the error are notified first. A log that cannot be
  // opened leaves the figures emptied.
  bool recalculate();
  // Runs work (showing a window, opening the area window: anything that may
  // let events run) with the owner's destruction held off. False when the
  // session is or was meanwhile released, or its owner destroyed.
  bool whileHeld(const std::function<void()>& work);

  // The session serves nothing more and the host's connection is no longer
  // used; the owner is destroyed (later) once no work of it is on the stack.
  void release();
  bool isReleased() const { return released_; }
  // Recalc can be started: neither running nor released.
  bool recalcEnabled() const { return !released_ && !recalculating_; }

  const ContestEngine& engine() const { return engine_; }
  const AreaTable& areaTable() const { return areaTable_; }
  void setAreaTable(AreaTable table) { areaTable_ = std::move(table); }

 private:
  class Hold;
  bool letEventsRun();
  bool recount(Hold& hold, SessionChange& ended);
  void notify(const SessionChange& change);
  // Asks the front-end once to destroy the owner of a released session with no work on the stack.
  void destroyWhenIdle();

  SessionHost& host_;
  SessionFrontEnd& frontEnd_;
  SessionObserver* observer_ = nullptr;
  ContestEngine engine_;
  std::unique_ptr<LogReader> reader_;
  AreaTable areaTable_;
  bool released_ = false;
  bool recalculating_ = false;
  bool destructionAsked_ = false;
  // Work of this session on the stack that may let events run; a release
  // waits for it before the owner is destroyed.
  int holds_ = 0;
  // Expires with the session: work that let events run finds out whether the
  // session still exists before it touches it.
  std::shared_ptr<const bool> alive_ = std::make_shared<const bool>(true);
};

}  // namespace q9x
