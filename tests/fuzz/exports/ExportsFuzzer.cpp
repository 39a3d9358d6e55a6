// The six exports as a hostile host would call them: every byte of the input
// picks the next step (an export, a changed record field, a click on one of
// the windows' buttons, events run, deferred deletions done) or is part of
// the text it puts into a field. Besides the sanitizers it checks what any
// host may rely on: answers within their range, nothing served without a
// window, nothing of the plug-in left once released and settled.

#include <QAbstractButton>
#include <QApplication>
#include <QTimer>
#include <cstdint>
#include <cstring>
#include <string>

#include "hostkit/HostRecord.h"
#include "plugin/qt/PluginState.h"
#include "plugin/q9xcup.h"
#include "tests/fuzz/exports/FuzzHost.h"

using namespace q9xfuzz;

namespace {

class Bytes {
 public:
  Bytes(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  bool empty() const { return at_ >= size_; }
  uint8_t next() { return at_ < size_ ? data_[at_++] : 0; }
  // A short string as a host may send it: any length byte, then as many
  // input bytes as there are (the rest zero).
  void shortString(TShortString& field)
  {
    std::memset(field, 0, sizeof(TShortString));
    field[0] = next();
    for (int i = 1; i <= field[0] && !empty(); ++i) field[i] = next();
  }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t at_ = 0;
};

TPluginRecord startingRecord()
{
  return q9xkit::makeRecord({0, "Log", "Fuzz", "UA3A"}, {"UA3ABC", "3.5", "CW", "EU", "599 AB", "UA3A", "UA3A"}, 0xA5);
}

const char* const kButtons[] = {"BitBtn1",   "btnOBL1",   "RzBitBtn1", "RzBitBtn2",
                                "RzBitBtn3", "RzBitBtn4", "RzBitBtn5", "RzBitBtn6",
                                "RzBitBtn7", "RzBitBtn8", "RzBitBtn9"};

void clickButton(uint8_t which)
{
  const char* name = kButtons[which % (sizeof kButtons / sizeof kButtons[0])];
  for (const char* window : {"fmMainForm", "fmDomList"})
    if (QWidget* w = visibleWindow(window))
      if (auto* button = w->findChild<QAbstractButton*>(QLatin1String(name))) {
        button->click();
        return;
      }
}

void closeWindow(const char* objectName)
{
  if (QWidget* w = visibleWindow(objectName)) w->close();
}

void checkPoints(int32_t points, const char* call)
{
  if (points < -1 || points > 5 || points == 2 || points == 3 || points == 4)
    fail(std::string(call) + " answered " + std::to_string(points));
  if (!q9x::plugin::statisticsWindow() && points != 0)
    fail(std::string(call) + " answered " + std::to_string(points) + " without a window");
}

void setField(TPluginRecord& r, Bytes& in)
{
  TShortString* fields[] = {&r.CallSign,   &r.DigiBand,         &r.QSOMode,    &r.Continent,
                            &r.MainPrefix, &r.QSOReportRecived, &r.DXCCPrefix, &r.CaptionText,
                            &r.MyMainPrefix};
  const uint8_t which = in.next();
  if (which < 9 * 26) {
    in.shortString(*fields[which % 9]);
    return;
  }
  // The log table and connection stay among those the host has, so that the
  // statement is the host's and not an arbitrary one.
  static const char* const tables[] = {"Log", "Odd", "Missing", ""};
  const char* table = tables[which % 4];
  q9x::writeShort(r.TableName, table);
  static const int32_t connections[] = {0, 1, 7};
  r.Connection = connections[(which / 4) % 3];
}

void step(TPluginRecord& r, Bytes& in)
{
  switch (in.next() % 16) {
    case 0: {
      TPluginInfo info;
      std::memset(&info, 0xFF, sizeof info);
      _GetInfo(&info);
      if (info.PluginName[0] != 12 || info.PluginValue != 1 || info.HostValue != 1 || info.PluginName[13] != 0xFF)
        fail("_GetInfo wrote a wrong record");
      break;
    }
    case 1:
    case 2: {
      const intptr_t handle = _Run(0, &r);
      if (handle != 0 && !q9x::plugin::statisticsWindow()) fail("_Run gave a handle without a window");
      break;
    }
    case 3:
      checkPoints(_GetScore(&r), "_GetScore");
      break;
    case 4:
    case 5:
      checkPoints(_AddQSO(&r), "_AddQSO");
      break;
    case 6: {
      unsigned char result[256];
      std::memset(result, 0xEE, sizeof result);
      _GrabNumber(&r, result);
      if (result[0] > 2 || (result[0] > 0 && !q9x::plugin::statisticsWindow()))
        fail("_GrabNumber answered " + std::to_string(result[0]) + " bytes");
      break;
    }
    case 7:
      _Release();
      if (q9x::plugin::statisticsWindow()) fail("a window is still open after _Release");
      break;
    case 8:
      QCoreApplication::processEvents();
      break;
    case 9:
      QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
      break;
    case 10:
    case 11:
      clickButton(in.next());
      break;
    case 12:
      closeWindow(in.next() % 2 ? "fmDomList" : "fmMainForm");
      break;
    case 13:
      // The host releases from inside one of its own event handlers.
      QTimer::singleShot(0, [] { _Release(); });
      break;
    default:
      setField(r, in);
      break;
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
  startHost();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
  TPluginRecord record = startingRecord();
  Bytes in(data, size);
  while (!in.empty()) step(record, in);

  _Release();
  settle();
  settle();
  if (visibleWindow("fmMainForm") || visibleWindow("fmDomList")) fail("a window outlived _Release");
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->objectName() == QLatin1String("fmMainForm")) fail("a released window was never destroyed");
  return 0;
}
