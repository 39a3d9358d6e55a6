// The library unloaded while the host's Qt application goes on: copies of it
// under other names side by side, and the same copy loaded again and again.
// Nothing of an unloaded copy may be left where Qt, or another copy, reads.

#include <dlfcn.h>
#include <gtest/gtest.h>
#include <link.h>
#include <sys/mman.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "tests/lifecycle/LifecycleHost.h"

namespace {

using namespace q9xtest;

// The addresses a loaded library occupies, from its first to its last segment.
std::pair<std::uintptr_t, std::size_t> addressesOf(const std::string& path)
{
  std::pair<std::string, std::pair<std::uintptr_t, std::size_t>> search{path, {0, 0}};
  dl_iterate_phdr(
      [](dl_phdr_info* info, std::size_t, void* data) {
        auto& [wanted, span] = *static_cast<decltype(search)*>(data);
        if (!info->dlpi_name || wanted != info->dlpi_name) return 0;
        std::uintptr_t low = UINTPTR_MAX, high = 0;
        for (int i = 0; i < info->dlpi_phnum; ++i) {
          const ElfW(Phdr)& segment = info->dlpi_phdr[i];
          if (segment.p_type != PT_LOAD) continue;
          low = std::min<std::uintptr_t>(low, info->dlpi_addr + segment.p_vaddr);
          high = std::max<std::uintptr_t>(high, info->dlpi_addr + segment.p_vaddr + segment.p_memsz);
        }
        const std::uintptr_t page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
        low &= ~(page - 1);
        span = {low, (high - low + page - 1) & ~(page - 1)};
        return 1;
      },
      &search);
  return search.second;
}

// The built library copied under another name and opened by the host kit. Once
// unloaded, its addresses are kept unmapped, so that a later load lands
// elsewhere and anything still pointing into the old copy faults.
class LibraryCopy {
 public:
  LibraryCopy(const QTemporaryDir& folder, const char* name)
      : path_(folder.filePath(QString::fromLatin1(name)).toStdString())
  {
    std::filesystem::copy_file(pluginPath(), path_, std::filesystem::copy_options::overwrite_existing);
    load();
  }
  ~LibraryCopy()
  {
    if (library_) library_->close();
  }
  LibraryCopy(const LibraryCopy&) = delete;
  LibraryCopy& operator=(const LibraryCopy&) = delete;

  void load()
  {
    library_.emplace(QString::fromStdString(path_));
  }
  void unload()
  {
    const auto [start, size] = addressesOf(path_);
    library_->close();
    library_.reset();
    if (size > 0 && !mapped())
      mmap(reinterpret_cast<void*>(start), size, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_FIXED_NOREPLACE, -1, 0);
  }
  bool mapped() const
  {
    void* again = dlopen(path_.c_str(), RTLD_NOW | RTLD_NOLOAD);
    if (again) dlclose(again);
    return again != nullptr;
  }
  const PluginExports* operator->() const { return &*library_; }

 private:
  std::string path_;
  std::optional<q9xkit::PluginLibrary> library_;
};

QVariant stored(const char* key)
{
  const QString file = qEnvironmentVariable("XDG_CONFIG_HOME") + "/Software/" +
                       QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName() + ".conf";
  return QSettings(file, QSettings::IniFormat).value(QString::fromLatin1(key));
}

// Runs the plug-in with its area window open on the given band.
void runWithAreaWindow(const LibraryCopy& copy, const TPluginRecord& rec, const char* bandButton)
{
  ASSERT_NE(copy->Run(0, &rec), 0);
  childOf<QAbstractButton>("fmMainForm", "btnOBL1")->click();
  childOf<QAbstractButton>("fmDomList", bandButton)->click();
}

TEST(LibraryUnload, AnotherCopyKeepsWorkingAndSavingAfterOneIsUnloaded)
{
  EmptyLog log;
  const TPluginRecord rec = hostRecord();
  QTemporaryDir folder;
  LibraryCopy first(folder, "libq9xcup-first.so");
  LibraryCopy second(folder, "libq9xcup-second.so");

  runWithAreaWindow(first, rec, "RzBitBtn3");
  first->Release();
  settle();
  first.unload();
  ASSERT_FALSE(first.mapped());

  // Only the statistics window this time: its save writes the whole file,
  // the area window's values from the first copy among them.
  ASSERT_NE(second->Run(0, &rec), 0);
  second->Release();
  settle();
  EXPECT_EQ(stored("TfmMainForm/CurrentBand"), "3");
  EXPECT_EQ(stored("TfmMainForm/Visible"), "1");
  EXPECT_EQ(stored("TfmDomList/Visible"), "1");
}

TEST(LibraryUnload, LoadedAndUnloadedTwentyTimes)
{
  EmptyLog log;
  const TPluginRecord rec = hostRecord();
  QTemporaryDir folder;
  LibraryCopy copy(folder, "libq9xcup-again.so");
  for (int round = 0; round < 20; ++round) {
    if (round > 0) copy.load();
    if (round % 2)
      ASSERT_NE(copy->Run(0, &rec), 0);
    else
      runWithAreaWindow(copy, rec, "RzBitBtn7");
    // Every third round the windows are still open when the library goes:
    // they are destroyed then, saving their settings.
    if (round % 3) {
      copy->Release();
      settle();
    }
    copy.unload();
    ASSERT_FALSE(copy.mapped()) << "round " << round;
    EXPECT_EQ(topLevel("fmMainForm"), nullptr) << "round " << round;
    EXPECT_EQ(stored("TfmMainForm/CurrentBand"), "7") << "round " << round;
    settle();
  }
}

}  // namespace
