#include "plugin/qt/PlatformCheck.h"

#include <dlfcn.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QLibraryInfo>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string_view>
#include <vector>

namespace q9x::plugin {

namespace {

std::string environment(const char* name)
{
  const char* value = std::getenv(name);
  return value ? value : "";
}

std::vector<std::string> split(std::string_view text, char separator)
{
  std::vector<std::string> parts;
  while (true) {
    const std::size_t end = text.find(separator);
    if (!text.substr(0, end).empty()) parts.emplace_back(text.substr(0, end));
    if (end == std::string_view::npos) return parts;
    text.remove_prefix(end + 1);
  }
}

// The folders Qt looks in for platform plug-ins.
std::vector<std::filesystem::path> platformPluginFolders()
{
  std::vector<std::filesystem::path> folders;
  if (const std::string own = environment("QT_QPA_PLATFORM_PLUGIN_PATH"); !own.empty()) folders.emplace_back(own);
  for (const std::string& folder : split(environment("QT_PLUGIN_PATH"), ':'))
    folders.emplace_back(std::filesystem::path(folder) / "platforms");
  const QString installed = QLibraryInfo::path(QLibraryInfo::PluginsPath);
  folders.emplace_back(std::filesystem::path(installed.toStdString()) / "platforms");
  return folders;
}

bool platformPluginInstalled(const std::string& name)
{
  std::error_code error;
  for (const std::filesystem::path& folder : platformPluginFolders())
    if (std::filesystem::exists(folder / ("libq" + name + ".so"), error)) return true;
  return false;
}

// Connects to the X display the way Qt's xcb platform will, through libxcb
// (loaded here only for the check; Qt's platform plug-in loads it anyway).
std::string xcbRefusal()
{
  const std::string display = environment("DISPLAY");
  if (display.empty()) return "no X display is set (DISPLAY is empty)";
  void* xcb = dlopen("libxcb.so.1", RTLD_NOW | RTLD_LOCAL);
  if (!xcb) return "libxcb.so.1 cannot be loaded";
  using Connect = void* (*)(const char*, int*);
  using HasError = int (*)(void*);
  using Disconnect = void (*)(void*);
  auto connect = reinterpret_cast<Connect>(dlsym(xcb, "xcb_connect"));
  auto hasError = reinterpret_cast<HasError>(dlsym(xcb, "xcb_connection_has_error"));
  auto disconnect = reinterpret_cast<Disconnect>(dlsym(xcb, "xcb_disconnect"));
  std::string refusal;
  if (!connect || !hasError || !disconnect) {
    refusal = "libxcb.so.1 lacks xcb_connect";
  } else {
    void* connection = connect(display.c_str(), nullptr);
    if (hasError(connection)) refusal = "the X display " + display + " cannot be connected";
    disconnect(connection);
  }
  dlclose(xcb);
  return refusal;
}

std::string waylandRefusal()
{
  std::string socketPath = environment("WAYLAND_DISPLAY");
  if (socketPath.empty()) socketPath = "wayland-0";
  if (socketPath.front() != '/') {
    const std::string runtime = environment("XDG_RUNTIME_DIR");
    if (runtime.empty()) return "no Wayland compositor is set (XDG_RUNTIME_DIR is empty)";
    socketPath = runtime + "/" + socketPath;
  }
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  if (socketPath.size() >= sizeof address.sun_path) return "the Wayland socket path is too long";
  std::memcpy(address.sun_path, socketPath.c_str(), socketPath.size() + 1);
  const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  const bool connected = fd >= 0 && connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
  if (fd >= 0) close(fd);
  return connected ? "" : "the Wayland compositor at " + socketPath + " cannot be connected";
}

std::string refusalOf(const std::string& name)
{
  if (!platformPluginInstalled(name)) return "Qt has no platform plug-in '" + name + "'";
  if (name == "offscreen" || name == "minimal") return "";
  if (name == "xcb") return xcbRefusal();
  if (name == "wayland") return waylandRefusal();
  return "the platform '" + name + "' cannot be checked before Qt opens it";
}

// What Qt opens when QT_QPA_PLATFORM is not set.
std::vector<std::string> defaultPlatforms()
{
  if (environment("XDG_SESSION_TYPE") == "wayland") return {"wayland", "xcb"};
  return {"xcb"};
}

}  // namespace

PlatformChoice choosePlatform()
{
  const std::string asked = environment("QT_QPA_PLATFORM");
  std::vector<std::string> entries = split(asked, ';');
  if (entries.empty()) entries = defaultPlatforms();
  PlatformChoice choice;
  for (const std::string& entry : entries) {
    const std::string refusal = refusalOf(entry.substr(0, entry.find(':')));
    if (refusal.empty()) return {entry, ""};
    if (!choice.refusal.empty()) choice.refusal += "; ";
    choice.refusal += refusal;
  }
  return choice;
}

}  // namespace q9x::plugin
