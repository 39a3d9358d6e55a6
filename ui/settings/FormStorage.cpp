#include "ui/settings/FormStorage.h"

#include <QEvent>
#include <optional>

#include "platform/ErrorReport.h"
#include "ui/settings/SettingsPlatform.h"
#include "ui/settings/SettingsStore.h"
#include "ui/settings/SettingsText.h"
#include "ui/settings/WindowPlacement.h"

namespace q9x {

namespace {

const QString kFormVersion = QStringLiteral("FormVersion");
// The layout version the settings are written with; stored settings of a
// lower one would not be restored.
constexpr int kLayoutVersion = 0;
const QString kFlags = QStringLiteral("Flags");
const QString kShowCmd = QStringLiteral("ShowCmd");
const QString kPixelsPerInch = QStringLiteral("PixelsPerInch");
const QString kMinMaxPos = QStringLiteral("MinMaxPos");
const QString kNormPos = QStringLiteral("NormPos");
const QString kVisible = QStringLiteral("Visible");

int readInt(SettingsStore& store, const QString& name, int fallback)
{
  const std::optional<QString> text = store.read(name);
  return text ? textToInt(*text, fallback) : fallback;
}

// The value stored for this screen size, else the one stored last at any size.
QString readForScreen(SettingsStore& store, const QString& name, const QString& suffix)
{
  std::optional<QString> text = store.read(name + suffix);
  if (!text || text->isEmpty()) text = store.read(name);
  return text.value_or(QString());
}

std::unique_ptr<SettingsStore> openStore(const SettingsPlatform& platform, const QString& section)
{
  return platform.openStore(settingsKeyPath(platform.hostProgramName()), section);
}

}  // namespace

// Sits in front of the window's own event handling.
class TFormStorage::WindowHooks final : public QObject {
 public:
  explicit WindowHooks(TFormStorage& storage) : storage_(storage) {}

  bool eventFilter(QObject*, QEvent* event) override
  {
    switch (event->type()) {
      case QEvent::Show:
      case QEvent::Move:
      case QEvent::Resize:
      case QEvent::WindowStateChange:
      case QEvent::UpdateRequest:
      case QEvent::Paint:
        // The window manager tells a window's frame only after it is mapped.
        if (storage_.window_) storage_.frame_.observe(*storage_.window_);
        break;
      default:
        break;
    }
    // The window's own close handling decides; Qt hides a window that lets
    // itself be closed right after that decision, and only such a window is
    // saved then. A refused close is forgotten when the window shows again.
    switch (event->type()) {
      case QEvent::Close:
        closeAsked_ = true;
        break;
      case QEvent::Show:
        closeAsked_ = false;
        // The window's own show handling follows.
        if (!event->spontaneous()) reportErrors([this] { storage_.LoadWindowSettings(); });
        break;
      case QEvent::Hide:
        if (event->spontaneous() || !closeAsked_) break;
        closeAsked_ = false;
        reportErrors([this] { storage_.SaveWindowSettings(); });
        break;
      default:
        break;
    }
    return false;
  }

 private:
  TFormStorage& storage_;
  bool closeAsked_ = false;
};

TFormStorage::TFormStorage(std::vector<TStoredValue> storedValues)
    : values_(std::move(storedValues))
{
}

TFormStorage::~TFormStorage()
{
  if (!window_ || saved_) return;
  destroying_ = true;
  reportErrors([this] { SaveWindowSettings(); });
  destroying_ = false;
}

QVariant TFormStorage::ValueByName(const QString& name) const
{
  for (const TStoredValue& v : values_)
    if (v.Name.compare(name, Qt::CaseInsensitive) == 0) return v.Value;
  return {};
}

void TFormStorage::SetValueByName(const QString& name, const QVariant& value)
{
  for (TStoredValue& v : values_)
    if (v.Name.compare(name, Qt::CaseInsensitive) == 0) {
      v.Value = value;
      return;
    }
  values_.push_back({name, value});
}

void TFormStorage::attach(QWidget& window, const QString& section)
{
  window_ = &window;
  section_ = section.isEmpty()
                 ? QString::fromLatin1(window.metaObject()->className()).section(QStringLiteral("::"), -1)
                 : section;
  hooks_ = std::make_unique<WindowHooks>(*this);
  window.installEventFilter(hooks_.get());
}

void TFormStorage::LoadWindowSettings()
{
  saved_ = false;
  const SettingsPlatform& platform = settingsPlatform();
  const std::unique_ptr<SettingsStore> store = openStore(platform, section_);
  if (readInt(*store, kFormVersion, 0) >= kLayoutVersion) {
    restorePlacement(*store, platform);
    loaded_ = true;
    restoreStoredValues(*store);
  }
  loaded_ = true;
}

void TFormStorage::restorePlacement(SettingsStore& store, const SettingsPlatform& platform)
{
  if (!window_) return;
  if (options_ & fpPosition) restorePosition(store, platform);
  if ((options_ & fpState) && !restoreState(store)) return;
  window_->update();
}

void TFormStorage::restorePosition(SettingsStore& store, const SettingsPlatform& platform)
{
  const QRect current = frame_.placement(*window_).normalFrame;
  // Qt has no placement flags and places minimised and maximised windows
  // itself; these values are read so that a damaged one is still reported,
  // and a stored MinMaxPos still counts as a stored position.
  store.read(kFlags);
  const QString suffix = screenSuffix(platform.screenSize());
  bool found = !readForScreen(store, kMinMaxPos, suffix).isEmpty();

  // Stored numbers may lie anywhere in int's range: edges and sizes are
  // worked out wider than that.
  FrameEdges e{current.left(), current.top(), qint64(current.left()) + current.width(),
               qint64(current.top()) + current.height()};
  const QString normal = readForScreen(store, kNormPos, suffix);
  if (!normal.isEmpty()) {
    found = true;
    // A missing right or bottom edge keeps the current width or height at
    // the stored place, rather than stretching the window back to where it
    // stands now.
    const auto words = textToFour(normal);
    e.left = words[0].value_or(current.left());
    e.top = words[1].value_or(current.top());
    e.right = words[2] ? *words[2] : e.left + current.width();
    e.bottom = words[3] ? *words[3] : e.top + current.height();
  }
  // Positions taken at another pixel density would land elsewhere.
  const int pixelsPerInch = platform.pixelsPerInch();
  if (readInt(store, kPixelsPerInch, pixelsPerInch) != pixelsPerInch) found = false;
  if (!found) {
    frame_.keepCurrent(*window_);
    return;
  }

  if (!isSizeable(*window_)) {
    e.right = e.left + current.width();
    e.bottom = e.top + current.height();
  }
  // An empty rectangle would leave a window nobody can see or grab; one
  // stored on other screens must still be reachable on these.
  if (e.right > e.left && e.bottom > e.top)
    frame_.apply(*window_, reachableFrame(e, platform.availableAreas()));
  else
    frame_.keepCurrent(*window_);
}

bool TFormStorage::restoreState(SettingsStore& store)
{
  const Qt::WindowStates state = window_->windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized);
  switch (readInt(store, kShowCmd, 0)) {
    case 2:
    case 6:
    case 7:
      // Minimised: the window stays as it is. There is no application window
      // in Qt to minimise in its place, so nothing else happens either.
      return false;
    case ShowMaximized:
      window_->setWindowState(state | Qt::WindowMaximized);
      return true;
    default:
      window_->setWindowState(state);
      return true;
  }
}

void TFormStorage::restoreStoredValues(SettingsStore& store)
{
  for (TStoredValue& v : values_) v.Value = store.read(v.Name).value_or(storedValueText(v.Value));
}

void TFormStorage::SaveWindowSettings()
{
  // A window whose settings were never loaded never overwrites the stored ones.
  if (!loaded_ || !window_) return;
  const SettingsPlatform& platform = settingsPlatform();
  const std::unique_ptr<SettingsStore> store = openStore(platform, section_);
  store->write(kFormVersion, QString::number(kLayoutVersion));
  writePlacement(*store, platform);
  // Built at run time: Qt's settings cache keeps the values it is given, and
  // it outlives this library.
  store->write(kVisible, QString::number(destroying_ ? 1 : 0));
  for (const TStoredValue& v : values_) store->write(v.Name, storedValueText(v.Value));
  store->commit();
  saved_ = true;
}

void TFormStorage::writePlacement(SettingsStore& store, const SettingsPlatform& platform)
{
  const WindowPlacement p = frame_.placement(*window_);
  const QString suffix = screenSuffix(platform.screenSize());
  const QRect& n = p.normalFrame;
  const QString minMax = fourToText({p.minPosition.x(), p.minPosition.y(), p.maxPosition.x(), p.maxPosition.y()});
  const QString normal = fourToText({n.left(), n.top(), n.left() + n.width(), n.top() + n.height()});
  store.write(kFlags, QString::number(p.flags));
  store.write(kShowCmd, QString::number(p.showCmd));
  store.write(kPixelsPerInch, QString::number(platform.pixelsPerInch()));
  store.write(kMinMaxPos + suffix, minMax);
  store.write(kMinMaxPos, minMax);
  store.write(kNormPos + suffix, normal);
  store.write(kNormPos, normal);
}

}  // namespace q9x
