// Shows both windows of the DLL for scripts/screenshots-windows.sh: the log
// is the first rows of a CSV export served over the ADO double, the last row
// then logged through _AddQSO so that the area window shows its band with
// worked codes marked. Each window is shown alone, its frame rectangle written
// to NAME.rect in the exchange folder, and left on screen until the script
// answers with NAME.taken.
//   window_pictures.exe EXCHANGE_FOLDER LOG.csv CONTACTS

#include <windows.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/win32/AdoDouble.h"
#include "tests/win32/DllHost.h"

namespace {

std::wstring widen(const std::string& text)
{
  std::wstring wide(text.size(), L'\0');
  const int length = ::MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                                           static_cast<int>(wide.size()));
  wide.resize(static_cast<std::size_t>(length));
  return wide;
}

// The contacts of a CSV export with the columns QSODate, QSOTime, Frequency,
// CallSign, DigiBand, QSOMode, Continent, QSOReportRecived, MainPrefix,
// DXCCPrefix (no quoting), at most count of them.
std::vector<q9xtest::Contact> readContacts(const std::string& path, std::size_t count)
{
  std::ifstream file(path);
  std::vector<q9xtest::Contact> contacts;
  std::string line;
  std::getline(file, line);  // the column names
  while (contacts.size() < count && std::getline(file, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::vector<std::string> cells;
    std::stringstream row(line);
    for (std::string cell; std::getline(row, cell, ',');) cells.push_back(cell);
    if (cells.size() < 10) continue;
    contacts.push_back({cells[3], cells[4], cells[5], cells[6], cells[7], cells[8], cells[9]});
  }
  return contacts;
}

// Lets the window paint, hands its place to the script and keeps it painted
// until the script has taken its picture (a minute at most).
bool showUntilTaken(HWND window, const std::string& folder, const std::string& name)
{
  ::SetForegroundWindow(window);
  ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
  for (int k = 0; k < 10; ++k) {
    q9xtest::pumpMessages();
    ::Sleep(50);
  }
  RECT frame{};
  ::GetWindowRect(window, &frame);
  {
    std::ofstream rect(folder + "/" + name + ".rect.part");
    rect << frame.right - frame.left << ' ' << frame.bottom - frame.top << ' ' << frame.left << ' ' << frame.top
         << '\n';
  }
  ::MoveFileA((folder + "/" + name + ".rect.part").c_str(), (folder + "/" + name + ".rect").c_str());
  const std::string taken = folder + "/" + name + ".taken";
  for (int k = 0; k < 1200; ++k) {
    if (::GetFileAttributesA(taken.c_str()) != INVALID_FILE_ATTRIBUTES) return true;
    q9xtest::pumpMessages();
    ::Sleep(50);
  }
  std::fprintf(stderr, "no picture of the %s window was taken\n", name.c_str());
  return false;
}

}  // namespace

int main(int argc, char** argv)
{
  if (argc != 4) {
    std::fprintf(stderr, "usage: window_pictures EXCHANGE_FOLDER LOG.csv CONTACTS\n");
    return 2;
  }
  const std::string folder = argv[1];
  std::vector<q9xtest::Contact> contacts = readContacts(argv[2], std::stoul(argv[3]));
  if (contacts.size() < 2) {
    std::fprintf(stderr, "%s holds too few contacts\n", argv[2]);
    return 2;
  }
  const q9xtest::Contact added = contacts.back();
  contacts.pop_back();

  ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  q9xtest::AdoConnectionDouble ado;
  q9xtest::AdoTable log = q9xtest::logTable();
  for (const auto& c : contacts)
    log.rows.push_back({widen(c.call), widen(c.band), widen(c.mode), widen(c.continent), widen(c.report),
                        widen(c.mainPrefix), widen(c.dxcc)});
  ado.serve(L"Log", std::move(log));

  const auto& plugin = q9xtest::exports();
  const TPluginRecord host = q9xtest::record(ado.recordField(), "Log");
  HWND statistics = reinterpret_cast<HWND>(plugin.Run(0, &host));
  if (!statistics) {
    std::fprintf(stderr, "_Run gave no window\n");
    return 1;
  }
  // The area window is open when the last contact is logged, so that it
  // selects that contact's band; it opens over the statistics window's
  // designed place and is hidden while the statistics window is pictured.
  ::SendMessageA(::GetDlgItem(statistics, Q9X_IDC_btnOBL1), BM_CLICK, 0, 0);
  HWND area = q9xtest::findOwnWindow("TfmDomList");
  if (!area) {
    std::fprintf(stderr, "the area window did not open\n");
    return 1;
  }
  const TPluginRecord contact = q9xtest::record(ado.recordField(), "Log", added);
  plugin.AddQSO(&contact);
  ::ShowWindow(area, SW_HIDE);
  bool taken = showUntilTaken(statistics, folder, "statistics");
  ::ShowWindow(area, SW_SHOW);
  taken = showUntilTaken(area, folder, "area") && taken;

  plugin.Release();
  q9xtest::pumpMessages();
  ::CoUninitialize();
  return taken ? 0 : 1;
}
