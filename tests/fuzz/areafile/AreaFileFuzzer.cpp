// Arbitrary bytes as the area file: read from disk as the plug-in reads it,
// split into lines, looked up, and listed by the area window. Checked against
// the rules written out plainly here: the reader gives the split lines, no
// line holds a line end, and the window lists one item per line with "=",
// in caption order with equal captions in file order.

#include <QApplication>
#include <QListWidget>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

#include "engine/AreaTable.h"
#include "ui/domlist/qt/AreaListItem.h"

namespace {

[[noreturn]] void fail(const char* what)
{
  std::fprintf(stderr, "fuzz_areafile: %s\n", what);
  std::abort();
}

std::string filePath;

// The lines as the file rules say, written out without shortcuts.
std::vector<std::string> expectedLines(std::string_view bytes)
{
  std::vector<std::string> lines;
  std::string line;
  bool open = false;
  for (std::size_t i = 0; i < bytes.size() && bytes[i] != '\0'; ++i) {
    const char c = bytes[i];
    if (c == '\n' || c == '\r') {
      lines.push_back(line);
      line.clear();
      open = false;
      if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    } else {
      line += c;
      open = true;
    }
  }
  if (open) lines.push_back(line);
  return lines;
}

QString caption(const std::string& code)
{
  return QString::fromLocal8Bit(code.data(), static_cast<qsizetype>(code.size()));
}

// The list order by a plain stable sort in the locale's order of the captions.
std::vector<std::string> expectedCodes(std::vector<std::string> listed)
{
  std::stable_sort(listed.begin(), listed.end(), [](const std::string& a, const std::string& b) {
    return QString::localeAwareCompare(caption(a), caption(b)) < 0;
  });
  return listed;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  static int argc = 1;
  static char name[] = "fuzz_areafile";
  static char* argv[] = {name, nullptr};
  new QApplication(argc, argv);
  filePath = "/tmp/q9x-fuzz-area-" + std::to_string(getpid()) + ".dom";
  std::atexit([] { std::remove(filePath.c_str()); });
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  std::FILE* file = std::fopen(filePath.c_str(), "wb");
  if (!file || std::fwrite(data, 1, size, file) != size || std::fclose(file) != 0) fail("cannot write the file");
  const std::vector<std::string> lines = q9x::loadAreaFile(filePath);
  if (lines != q9x::splitAreaLines(bytes)) fail("the file reads otherwise than its bytes split");
  if (lines != expectedLines(bytes)) fail("the lines break the line rules");

  // The exchange proposal for prefixes taken from the file itself.
  const q9x::AreaTable table(lines);
  for (std::size_t i = 0; i < lines.size() && i < 8; ++i) {
    const std::string_view prefix = std::string_view(lines[i]).substr(0, 4);
    if (table.lookup("UA3A", prefix).size() > 2) fail("a proposal longer than two bytes");
    table.lookup(" ua3a ", "UA2");
  }

  const std::vector<std::string> listed = table.listedCodes();
  std::size_t withSign = 0;
  for (const std::string& line : lines) withSign += line.find('=') != std::string::npos;
  if (listed.size() != withSign) fail("not one listed code per line with a sign");
  q9x::LocaleCaptionOrder order;
  const q9x::AreaListView view(listed, order);
  const QList<QListWidgetItem*> items = q9x::areaListItems(view, order);
  QListWidget list;
  list.setSortingEnabled(false);
  for (QListWidgetItem* item : items) list.addItem(item);
  list.setSortingEnabled(true);
  const std::vector<std::string> expected = expectedCodes(listed);
  if (static_cast<std::size_t>(list.count()) != expected.size()) fail("the list lacks or adds items");
  for (int i = 0; i < list.count(); ++i) {
    auto* item = dynamic_cast<q9x::AreaListItem*>(list.item(i));
    if (!item || view.caption(item->item()) != expected[static_cast<std::size_t>(i)])
      fail("the list is out of order");
    if (item->text() != caption(expected[static_cast<std::size_t>(i)])) fail("an item shows another caption");
  }
  return 0;
}
