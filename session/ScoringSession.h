#pragma once
// The scoring behind the windows: the engine, the host's log query and the
// area table, with the operations the exports and the windows use. It tells
// about changes by signals, so that a counted contact reaches whatever shows
// the figures without its caller having to pass it on.

#include <QObject>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "engine/AreaTable.h"
#include "engine/ContestEngine.h"
#include "platform/qt/QtLogReaders.h"
#include "session/SessionHost.h"

namespace q9x {

class ScoringSession : public QObject {
  Q_OBJECT

 public:
  // Attaches the log query to the host's connection and loads the area file;
  // throws when the file exists but cannot be read. The host must outlive
  // the session.
  explicit ScoringSession(SessionHost& host);

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

  // Empties the engine, selects the host's band and counts every row of the
  // host's log again. letEventsRun is called once the log query is open;
  // when it answers false (the session's owner was released or destroyed
  // meanwhile) nothing more is done, and this session must not be touched.
  // True when the log was read; database errors are thrown.
  bool recalculate(const std::function<bool()>& letEventsRun);
  // The session serves nothing more: its owner was released. The host's
  // connection is no longer used.
  void end();
  bool isEnded() const { return ended_; }

  const ContestEngine& engine() const { return engine_; }
  const AreaTable& areaTable() const { return areaTable_; }
  void setAreaTable(AreaTable table) { areaTable_ = std::move(table); }

 signals:
  // The figures changed: a contact was counted or the log read again.
  void figuresChanged();
  // A counted contact, or a recalculation, selects band n (1 to 9).
  void bandSelected(int n);

 private:
  void selectBand(std::string_view band);

  SessionHost& host_;
  ContestEngine engine_;
  std::unique_ptr<LogReader> LogQuery;
  AreaTable areaTable_;
  bool ended_ = false;
};

}  // namespace q9x
