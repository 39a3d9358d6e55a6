#include <QApplication>
#include <QDir>
#include <QFile>
#include <QWindow>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>
#include <gtest/gtest.h>
#include <map>
#include <memory>

#include "SettingsTestSupport.h"
#include "StoredWindow.h"
#include "ui/settings/qt/QSettingsStore.h"

namespace q9x::test {
namespace {

const QString kSection = QStringLiteral("TfmTest");

class FormStorageTest : public StoreTest {
 protected:
  std::unique_ptr<StoredWindow> window(unsigned options = fpPosition, bool fixedSize = false,
                                       std::vector<TStoredValue> values = {})
  {
    return std::make_unique<StoredWindow>(kSection, options, fixedSize, std::move(values));
  }
  static void showNow(QWidget& w)
  {
    w.show();
    QApplication::processEvents();
  }
  QString storedText(const QString& name) const { return stored(kSection, name).toString(); }
};

// Records the names the component writes, in order, and stores them as usual.
class RecordingStore final : public SettingsStore {
 public:
  RecordingStore(std::unique_ptr<SettingsStore> inner, QStringList& names) : inner_(std::move(inner)), names_(names) {}
  std::optional<std::string> read(const std::string& name) override { return inner_->read(name); }
  void write(const std::string& name, const std::string& text) override
  {
    names_ << QString::fromStdString(name);
    inner_->write(name, text);
  }
  void commit() override { inner_->commit(); }

 private:
  std::unique_ptr<SettingsStore> inner_;
  QStringList& names_;
};

TEST_F(FormStorageTest, SavesEveryValueInOrderAsText)
{
  QStringList written;
  SettingsPlatform recording = settingsPlatform();
  recording.openStore = [&written](const std::string& keyPath, const std::string& section) -> std::unique_ptr<SettingsStore> {
    return std::make_unique<RecordingStore>(openQSettingsStore(keyPath, section), written);
  };
  const SettingsPlatform previous = setSettingsPlatform(recording);
  auto w = window(fpPosition | fpState, false, {{QStringLiteral("CurrentBand"), 0}});
  showNow(*w);
  ASSERT_TRUE(w->close());
  setSettingsPlatform(previous);

  EXPECT_EQ(written, QStringList({"FormVersion", "Flags", "ShowCmd", "PixelsPerInch", "MinMaxPos(1024x768)",
                                  "MinMaxPos", "NormPos(1024x768)", "NormPos", "Visible", "CurrentBand"}));
  const QRect frame = w->frameGeometry();
  const QString normal = QStringLiteral("%1,%2,%3,%4")
                             .arg(frame.left()).arg(frame.top())
                             .arg(frame.left() + frame.width()).arg(frame.top() + frame.height());
  EXPECT_EQ(frame.topLeft(), StoredWindow::kDesignedPlace);
  EXPECT_EQ(storedText("FormVersion"), "0");
  EXPECT_EQ(storedText("Flags"), "0");
  EXPECT_EQ(storedText("ShowCmd"), "1");
  EXPECT_EQ(storedText("PixelsPerInch"), "96");
  EXPECT_EQ(storedText("MinMaxPos(1024x768)"), "-1,-1,-1,-1");
  EXPECT_EQ(storedText("MinMaxPos"), "-1,-1,-1,-1");
  EXPECT_EQ(storedText("NormPos(1024x768)"), normal);
  EXPECT_EQ(storedText("NormPos"), normal);
  EXPECT_EQ(storedText("Visible"), "0");
  EXPECT_EQ(storedText("CurrentBand"), "0");
  EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}

TEST_F(FormStorageTest, SavesOnlyWhatWasLoadedAndOnceSinceTheLoad)
{
  window()->close();
  EXPECT_FALSE(QFile::exists(storeFile())) << "never shown, never saved";

  auto refused = window();
  showNow(*refused);
  refused->allowClose = false;
  EXPECT_FALSE(refused->close());
  EXPECT_FALSE(QFile::exists(storeFile())) << "a refused close saves nothing";
  refused.reset();
  EXPECT_EQ(storedText("Visible"), "1") << "destroyed unsaved";

  auto closed = window();
  showNow(*closed);
  ASSERT_TRUE(closed->close());
  EXPECT_EQ(storedText("Visible"), "0");
  store(kSection, "Visible", "untouched");
  closed.reset();
  EXPECT_EQ(storedText("Visible"), "untouched") << "saved since its load: no second save";
}

struct RestoreRow {
  const char* name;
  std::map<QString, QString> values;
  bool fixedSize;
  QRect expectedFrame;  // an empty size means the window's own size
};

class Restore : public FormStorageTest, public ::testing::WithParamInterface<RestoreRow> {};

TEST_P(Restore, PutsTheWindowWhereTheStoreSays)
{
  for (const auto& [name, text] : GetParam().values) store(kSection, name, text);
  auto w = window(fpPosition, GetParam().fixedSize);
  const QSize ownSize = w->frameGeometry().size();
  showNow(*w);

  QRect expected = GetParam().expectedFrame;
  if (expected.isEmpty()) expected.setSize(ownSize);
  EXPECT_EQ(w->placeAtShow, expected.topLeft()) << "applied before the window's own show handling";
  EXPECT_EQ(w->frameGeometry(), expected);
  EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}

const QRect kDesigned{StoredWindow::kDesignedPlace, QSize()};

INSTANTIATE_TEST_SUITE_P(
    StoredPositions, Restore,
    ::testing::Values(
        RestoreRow{"SizeableTakesPositionAndSize", {{"NormPos", "300,200,700,500"}}, false, {300, 200, 400, 300}},
        RestoreRow{"FixedTakesOnlyPosition", {{"NormPos", "300,200,700,500"}}, true, {300, 200, 0, 0}},
        RestoreRow{"ThreeNumbersKeepTheHeight", {{"NormPos", "300,200,700"}}, false, {300, 200, 400, 145}},
        RestoreRow{"NonNumericWordsKeepCurrentPlaceAndSize", {{"NormPos", "x,200,y,z"}}, false, {100, 200, 331, 145}},
        RestoreRow{"EmptyScreenSizeValueFallsBack", {{"NormPos(1024x768)", ""}, {"NormPos", "500,500,900,800"}},
                   false, {500, 500, 400, 300}},
        RestoreRow{"UpsideDownRectangleIgnored", {{"NormPos", "300,500,700,200"}}, false, kDesigned},
        RestoreRow{"HugeSizeIsCutToTheScreen", {{"NormPos", "0,0,100000,100000"}}, false, {0, 0, 1024, 768}},
        RestoreRow{"IntLimitsAreCutToTheScreen", {{"NormPos", "-2147483648,-2147483648,2147483647,2147483647"}},
                   false, {0, 0, 1024, 768}},
        RestoreRow{"NumbersBeyondIntSaturate", {{"NormPos", "300,200,99999999999,500"}}, false, {300, 200, 1024, 300}},
        RestoreRow{"OffEveryScreenComesBack", {{"NormPos", "-5000,9000,-4600,9300"}}, false, {0, 468, 400, 300}}),
    [](const auto& info) { return std::string(info.param.name); });

struct StateRow {
  const char* name;
  const char* showCmd;
  const char* pixelsPerInch;
  bool maximized;
};

class RestoreState : public FormStorageTest, public ::testing::WithParamInterface<StateRow> {};

TEST_P(RestoreState, AppliesTheStoredStateButNeverMinimises)
{
  store(kSection, "ShowCmd", GetParam().showCmd);
  store(kSection, "PixelsPerInch", GetParam().pixelsPerInch);
  store(kSection, "NormPos", "300,200,700,500");
  auto w = window(fpPosition | fpState, true);
  showNow(*w);
  EXPECT_EQ(w->isMaximized(), GetParam().maximized);
  EXPECT_FALSE(w->isMinimized());
}

INSTANTIATE_TEST_SUITE_P(StoredStates, RestoreState,
                         ::testing::Values(StateRow{"Maximised", "3", "96", true},
                                           StateRow{"MinimisedStaysNormal", "2", "96", false},
                                           StateRow{"MinimisedNoActiveStaysNormal", "7", "96", false},
                                           StateRow{"NotANumber", "max", "96", false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(FormStorageTest, ForeignTypeBeforeTheLoadedMarkStopsAllSaving)
{
  writeRaw(kSection, "NormPos", "@Point(1 2)");
  auto w = window();
  showNow(*w);
  EXPECT_EQ(errors, QStringList{"Invalid data type for 'NormPos'"});
  EXPECT_EQ(w->placeAtShow, StoredWindow::kDesignedPlace) << "the window's own show still ran";
  ASSERT_TRUE(w->close());
  w.reset();
  EXPECT_EQ(stored(kSection, "NormPos"), QVariant(QPoint(1, 2))) << "the foreign value stays";
  EXPECT_FALSE(stored(kSection, "Visible").isValid());
}

TEST_F(FormStorageTest, UnreadableStoreIsReported)
{
  ASSERT_TRUE(QDir().mkpath(storeFile()));  // a folder where the file should be
  auto w = window();
  showNow(*w);
  EXPECT_EQ(errors, QStringList{"Failed to get data for 'FormVersion'"});
  EXPECT_TRUE(w->isVisible());
}

TEST_F(FormStorageTest, UnwritableStoreIsReportedAndRetriedAtDestruction)
{
  // Writing as root ignores file modes: the store's folder cannot exist
  // because a plain file stands where it would be.
  QFile blocker(configHome.filePath("blocked"));
  ASSERT_TRUE(blocker.open(QFile::WriteOnly));
  blocker.close();
  qputenv("XDG_CONFIG_HOME", blocker.fileName().toLocal8Bit());
  auto w = window();
  showNow(*w);
  EXPECT_TRUE(w->close());
  EXPECT_EQ(errors, QStringList{"Failed to create key TfmTest"});

  qputenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit());
  w.reset();
  EXPECT_EQ(storedText("Visible"), "1") << "the destruction-time save tried again";
  EXPECT_EQ(storedNames(kSection).size(), 9);
}

// Makes a file unchangeable even for root, while it lives.
class ImmutableFile {
 public:
  explicit ImmutableFile(const QString& path) : fd_(::open(QFile::encodeName(path).constData(), O_RDONLY))
  {
    changed_ = fd_ >= 0 && setImmutable(true);
  }
  ~ImmutableFile()
  {
    if (changed_) setImmutable(false);
    if (fd_ >= 0) ::close(fd_);
  }
  bool changed() const { return changed_; }

 private:
  bool setImmutable(bool on)
  {
    int flags = 0;
    if (::ioctl(fd_, FS_IOC_GETFLAGS, &flags) != 0) return false;
    flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
    return ::ioctl(fd_, FS_IOC_SETFLAGS, &flags) == 0;
  }
  int fd_;
  bool changed_ = false;
};

TEST_F(FormStorageTest, ExistingSectionThatCannotBeWrittenIsReported)
{
  store(kSection, "NormPos", "300,200,700,500");
  auto w = window();
  showNow(*w);
  {
    ImmutableFile frozen(storeFile());
    if (!frozen.changed()) GTEST_SKIP() << "this file system cannot make a file unchangeable";
    ASSERT_TRUE(w->close());
  }
  EXPECT_EQ(errors, QStringList{"Failed to set data for 'FormVersion'"});
  QFile file(storeFile());
  ASSERT_TRUE(file.open(QFile::ReadOnly));
  EXPECT_FALSE(file.readAll().contains("FormVersion")) << "nothing of the section was half-written";
}

}  // namespace
}  // namespace q9x::test
