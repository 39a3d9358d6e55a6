#include "ui/settings/win32/FormStorage.h"

#include "platform/win32/ErrorBox.h"
#include "ui/settings/win32/Win32SettingsPlatform.h"

namespace q9x::win32 {

TFormStorage::TFormStorage(std::vector<StoredValue> storedValues, unsigned options) : settings_(std::move(storedValues))
{
  settings_.setOptions(options);
}

void TFormStorage::attach(HWND window, std::string section)
{
  window_.attach(window);
  settings_.setSection(std::move(section));
}

void TFormStorage::windowShowing() noexcept
{
  reportErrors([this] { settings_.load(window_, win32PlatformInUse()); });
}

void TFormStorage::windowClosing() noexcept
{
  reportErrors([this] { settings_.save(window_, win32PlatformInUse()); });
}

void TFormStorage::windowDestroying() noexcept
{
  reportErrors([this] { settings_.saveAtDestruction(window_, win32PlatformInUse()); });
}

}  // namespace q9x::win32
