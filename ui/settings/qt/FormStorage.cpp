#include "ui/settings/qt/FormStorage.h"

#include <QEvent>

#include "platform/qt/ErrorReport.h"
#include "ui/settings/qt/QtSettingsPlatform.h"

namespace q9x {

namespace {

std::string utf8(const QString& text) { return text.toStdString(); }

StoredData storedData(const QVariant& value)
{
  if (!value.isValid()) return {};
  if (value.typeId() == QMetaType::Int) return value.toInt();
  return utf8(value.toString());
}

QVariant variantOf(const StoredData& value)
{
  if (const int* number = std::get_if<int>(&value)) return *number;
  if (const std::string* text = std::get_if<std::string>(&value)) return QString::fromStdString(*text);
  return {};
}

std::vector<StoredValue> storedValues(const std::vector<TStoredValue>& values)
{
  std::vector<StoredValue> plain;
  for (const TStoredValue& v : values) plain.push_back({utf8(v.Name), storedData(v.Value)});
  return plain;
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
        storage_.window_.observe();
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

TFormStorage::TFormStorage(std::vector<TStoredValue> storedValues) : settings_(q9x::storedValues(storedValues)) {}

TFormStorage::~TFormStorage()
{
  if (!window_.exists()) return;
  reportErrors([this] { settings_.saveAtDestruction(window_, qtPlatformInUse()); });
}

QVariant TFormStorage::ValueByName(const QString& name) const { return variantOf(settings_.valueByName(utf8(name))); }

void TFormStorage::SetValueByName(const QString& name, const QVariant& value)
{
  settings_.setValueByName(utf8(name), storedData(value));
}

void TFormStorage::attach(QWidget& window, const QString& section)
{
  window_.attach(window);
  settings_.setSection(utf8(section.isEmpty()
                                ? QString::fromLatin1(window.metaObject()->className()).section(QStringLiteral("::"), -1)
                                : section));
  hooks_ = std::make_unique<WindowHooks>(*this);
  window.installEventFilter(hooks_.get());
}

void TFormStorage::LoadWindowSettings() { settings_.load(window_, qtPlatformInUse()); }

void TFormStorage::SaveWindowSettings() { settings_.save(window_, qtPlatformInUse()); }

}  // namespace q9x
