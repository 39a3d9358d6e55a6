#pragma once
// The random host's moves and what it checks after each, the same for the
// Linux library and the Windows DLL: calls of the six exports in random order
// with the contacts of RandomContacts, every answer compared with
// ContestModel, and the statistics window's grid and score line compared
// with the model's figures. A host of one build says how it hands over its
// log and how it finds, reads and presses the plug-in's windows.

#include <cstdint>
#include <string>
#include <vector>

#include "plugin/q9xcup.h"
#include "tests/randomhost/ContestModel.h"
#include "tests/randomhost/RandomContacts.h"

namespace q9xtest {

// The exports the random host calls, taken from either build's table of
// the loaded library's functions.
struct LibraryCalls {
  template <class Exports>
  explicit LibraryCalls(const Exports& exports)
      : Run(exports.Run), GetScore(exports.GetScore), AddQSO(exports.AddQSO), GrabNumber(exports.GrabNumber),
        Release(exports.Release)
  {
  }
  q9x_run_fn Run;
  q9x_get_score_fn GetScore;
  q9x_add_qso_fn AddQSO;
  q9x_grab_number_fn GrabNumber;
  q9x_release_fn Release;
};

// A run's seed and length: Q9X_RANDOMHOST_SEED (a fresh one when unset) and
// Q9X_RANDOMHOST_STEPS (3000 when unset). Printed, so that a failing run can
// be repeated.
struct RandomRun {
  unsigned long long seed = 0, steps = 0;
};
RandomRun randomRunFromEnvironment();

// The lines of the area file at path, without their line ends.
std::vector<std::string> areaFileLines(const std::string& path);

class ModelCheckedHost : protected RandomContacts {
 public:
  ModelCheckedHost(unsigned long long seed, LibraryCalls calls, std::vector<std::string> areaTable);
  virtual ~ModelCheckedHost() = default;

  // The run's steps until the first failure, then finish(); failures name
  // the seed.
  void drive(const RandomRun& run);

 protected:
  // The logged rows as the host's database answers "order by CallSign": byte
  // order, rows of one callsign in the order they were logged.
  std::vector<ModelContact> logInCallOrder() const;
  // The native handle _Run last answered with.
  intptr_t handle() const { return handle_; }

 private:
  // What the host writes into every record's Connection.
  virtual std::int32_t connection() = 0;
  // The host has logged c as the newest row; its log table must hold it now.
  virtual void logRow(const ModelContact& c) = 0;
  // Lets the host's message loop run once, released windows destroyed.
  virtual void pumpMessages() = 0;
  // The statistics window of handle() exists and is shown (maybe minimised).
  virtual bool windowShown() = 0;
  // Its Recalc button, pressed; returns once the recalculation is done.
  virtual void pressRecalc() = 0;
  // Its title bar's close box, pressed: the window must stay, minimised.
  virtual void pressCloseBox() = 0;
  // Its area window: whether one is shown, opening it with the area button,
  // closing it, and pressing band button 1 to 9.
  virtual bool areaWindowShown() = 0;
  virtual void pressAreaButton() = 0;
  virtual void closeAreaWindow() = 0;
  virtual void pressBandButton(int band) = 0;
  // The statistics grid's cell text, empty where the cell is empty, and the
  // score line.
  virtual std::string gridCell(int row, int column) = 0;
  virtual std::string scoreLine() = 0;
  // After the last release: no window of the plug-in and no error box left.
  virtual void expectNothingLeft() = 0;

  void step(unsigned long long n);
  TPluginRecord record(const ModelContact& c);
  void addQso();
  void getScore();
  void grabNumber();
  void run();
  void release();
  void recalc();
  void closeBox();
  void areaWindow();
  void logWithoutTelling();
  void recount();
  void checkFigures();

  LibraryCalls calls_;
  std::vector<std::string> table_;
  ContestModel model_;
  std::vector<ModelContact> log_;
  bool open_ = false;
  intptr_t handle_ = 0;
  std::string myMainPrefix_ = "R3";
  std::string lastMyMainPrefix_ = "R3";
};

}  // namespace q9xtest
