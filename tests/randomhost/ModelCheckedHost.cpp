#include "tests/randomhost/ModelCheckedHost.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <random>
#include <utility>

namespace q9xtest {

namespace {
unsigned long long setting(const char* name, unsigned long long fallback)
{
  const char* value = std::getenv(name);
  return value && *value ? std::strtoull(value, nullptr, 10) : fallback;
}
}  // namespace

RandomRun randomRunFromEnvironment()
{
  RandomRun run;
  run.seed = setting("Q9X_RANDOMHOST_SEED", std::random_device{}());
  run.steps = setting("Q9X_RANDOMHOST_STEPS", 3000);
  std::printf("random host: seed %llu, %llu steps\n", run.seed, run.steps);
  return run;
}

std::vector<std::string> areaFileLines(const std::string& path)
{
  std::ifstream file(path, std::ios::binary);
  std::vector<std::string> lines;
  std::string line;
  while (std::getline(file, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

ModelCheckedHost::ModelCheckedHost(unsigned long long seed, LibraryCalls calls, std::vector<std::string> areaTable)
    : RandomContacts(seed), calls_(calls), table_(std::move(areaTable))
{
}

void ModelCheckedHost::drive(const RandomRun& run)
{
  SCOPED_TRACE("Q9X_RANDOMHOST_SEED=" + std::to_string(run.seed));
  for (unsigned long long n = 1; n <= run.steps && !::testing::Test::HasFailure(); ++n) step(n);
  calls_.Release();
  pumpMessages();
  expectNothingLeft();
}

void ModelCheckedHost::step(unsigned long long n)
{
  const int roll = pick(100);
  if (roll < 30) addQso();
  else if (roll < 52) getScore();
  else if (roll < 67) grabNumber();
  else if (roll < 72) run();
  else if (roll < 75) release();
  else if (roll < 78) recalc();
  else if (roll < 86) areaWindow();
  else if (roll < 91) pumpMessages();
  else if (roll < 92) closeBox();
  else if (roll < 95) myMainPrefix_ = pickOf({"UA3A", "R3", "ua3a", "UA3A "});
  else logWithoutTelling();
  if (n % 97 == 0) checkFigures();
}

TPluginRecord ModelCheckedHost::record(const ModelContact& c)
{
  // The host's own spans, and the bytes past each text, hold anything.
  TPluginRecord r;
  std::memset(&r, 0xA5, sizeof r);
  r.Connection = connection();
  q9x::writeShort(r.TableName, "Log");
  q9x::writeShort(r.CaptionText, "Random host");
  q9x::writeShort(r.MyMainPrefix, myMainPrefix_);
  q9x::writeShort(r.CallSign, c.call);
  q9x::writeShort(r.DigiBand, c.band);
  q9x::writeShort(r.QSOMode, c.mode);
  q9x::writeShort(r.Continent, "eu");
  q9x::writeShort(r.QSOReportRecived, c.report);
  q9x::writeShort(r.MainPrefix, c.mainPrefix);
  q9x::writeShort(r.DXCCPrefix, c.dxcc);
  lastMyMainPrefix_ = myMainPrefix_;
  return r;
}

void ModelCheckedHost::addQso()
{
  bool printable = true;
  const ModelContact c = contact(printable);
  const TPluginRecord r = record(c);
  const int32_t points = calls_.AddQSO(&r);
  int32_t expected = 0;
  if (open_) expected = model_.score(c, myMainPrefix_, true);
  ASSERT_EQ(points, expected) << "_AddQSO " << c.call << " " << c.band << " " << c.mode;
  // The host logs what the operator entered; it writes only plain text.
  if (printable) {
    log_.push_back(c);
    logRow(c);
  }
  if (open_) checkFigures();
}

void ModelCheckedHost::getScore()
{
  bool printable = true;
  const ModelContact c = contact(printable);
  const TPluginRecord r = record(c);
  ASSERT_EQ(calls_.GetScore(&r), open_ ? model_.score(c, myMainPrefix_, false) : 0)
      << "_GetScore " << c.call << " " << c.band << " " << c.mode;
}

void ModelCheckedHost::grabNumber()
{
  bool printable = true;
  const ModelContact c = contact(printable);
  const TPluginRecord r = record(c);
  unsigned char result[256];
  std::memset(result, 0xEE, sizeof result);
  calls_.GrabNumber(&r, result);
  const std::string answer(reinterpret_cast<const char*>(result + 1), result[0]);
  ASSERT_EQ(answer, open_ ? proposedArea(table_, c.dxcc, c.mainPrefix) : "")
      << "_GrabNumber " << c.mainPrefix << " " << c.dxcc;
}

void ModelCheckedHost::run()
{
  bool printable = true;
  const std::string current = lastMyMainPrefix_;
  const TPluginRecord r = record(contact(printable));
  handle_ = calls_.Run(0, &r);
  ASSERT_NE(handle_, 0);
  ASSERT_TRUE(windowShown()) << "_Run answered with a window that is not shown";
  // An open window keeps its record: _Run copies the host's only into a new one.
  if (open_) lastMyMainPrefix_ = current;
  if (!open_) {
    open_ = true;
    recount();
  }
  checkFigures();
}

void ModelCheckedHost::release()
{
  calls_.Release();
  open_ = false;
  // A released window may wait for its deferred destruction for a while.
  if (pick(2)) pumpMessages();
}

void ModelCheckedHost::recalc()
{
  if (!open_ || !windowShown()) return;
  pressRecalc();
  recount();
  checkFigures();
}

// The title bar's close box only minimises; figures and session stay.
void ModelCheckedHost::closeBox()
{
  if (!open_ || !windowShown()) return;
  pressCloseBox();
}

void ModelCheckedHost::areaWindow()
{
  if (!open_ || !windowShown()) return;
  if (!areaWindowShown()) pressAreaButton();
  else if (pick(4) == 0) closeAreaWindow();
  else pressBandButton(1 + pick(9));
}

// A row the host logs without a call (an import, a second operator).
void ModelCheckedHost::logWithoutTelling()
{
  bool printable = true;
  const ModelContact c = contact(printable);
  if (!printable) return;
  log_.push_back(c);
  logRow(c);
}

std::vector<ModelContact> ModelCheckedHost::logInCallOrder() const
{
  std::vector<ModelContact> rows = log_;
  std::stable_sort(rows.begin(), rows.end(), [](const ModelContact& a, const ModelContact& b) {
    return std::lexicographical_compare(a.call.begin(), a.call.end(), b.call.begin(), b.call.end(),
                                        [](char x, char y) {
                                          return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
                                        });
  });
  return rows;
}

// The scan counts with the operator's prefix the host sent last.
void ModelCheckedHost::recount() { model_.recount(logInCallOrder(), lastMyMainPrefix_); }

void ModelCheckedHost::checkFigures()
{
  if (!open_) return;
  ASSERT_TRUE(windowShown()) << "the open statistics window is gone";
  auto expectRow = [&](int row, const ModelBand* b) {
    const int32_t figures[] = {0, b ? b->qsos : 0, b ? b->points : 0, b ? b->area : 0, b ? b->rda : 0};
    for (int column = 1; column <= 4; ++column)
      EXPECT_EQ(gridCell(row, column), b ? std::to_string(figures[column]) : std::string())
          << "grid row " << row << " column " << column;
  };
  expectRow(1, model_.band("3.5"));
  expectRow(2, model_.band("7"));
  const ModelBand totals = model_.totals();
  expectRow(3, &totals);
  EXPECT_EQ(scoreLine(), model_.scoreLine());
}

}  // namespace q9xtest
