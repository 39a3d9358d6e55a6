#include "hostkit/PluginLibrary.h"

#include <dlfcn.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <cstring>
#include <type_traits>

#include "hostkit/HostRecord.h"

namespace q9xkit {

// The header's function types must stay those of its declarations, or a
// host calling through them would pass the wrong arguments.
static_assert(std::is_same_v<decltype(&_GetInfo), q9x_get_info_fn>);
static_assert(std::is_same_v<decltype(&_Run), q9x_run_fn>);
static_assert(std::is_same_v<decltype(&_GetScore), q9x_get_score_fn>);
static_assert(std::is_same_v<decltype(&_AddQSO), q9x_add_qso_fn>);
static_assert(std::is_same_v<decltype(&_GrabNumber), q9x_grab_number_fn>);
static_assert(std::is_same_v<decltype(&_Release), q9x_release_fn>);

namespace {
template <class Function>
void resolve(void* handle, const char* symbol, Function& into, QStringList& missing)
{
  into = reinterpret_cast<Function>(dlsym(handle, symbol));
  if (!into) missing << QString::fromLatin1(symbol);
}
}  // namespace

PluginLibrary::PluginLibrary(const QString& path) : path_(path)
{
  handle_ = dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL);
  if (!handle_)
    throw PluginLoadError(
        QString("Cannot load the plug-in %1: %2").arg(path, QString::fromLocal8Bit(dlerror())).toStdString());

  QStringList missing;
  resolve(handle_, "_GetInfo", GetInfo, missing);
  resolve(handle_, "_Run", Run, missing);
  resolve(handle_, "_GetScore", GetScore, missing);
  resolve(handle_, "_AddQSO", AddQSO, missing);
  resolve(handle_, "_GrabNumber", GrabNumber, missing);
  resolve(handle_, "_Release", Release, missing);
  if (!missing.isEmpty()) {
    // Nothing of it was called; it goes again before anything can be.
    close();
    throw PluginLoadError(QString("%1 is not a Q9X-CUP-DIGI plug-in: it does not export %2")
                              .arg(path, missing.join(", "))
                              .toStdString());
  }
}

void PluginLibrary::close()
{
  if (!handle_) return;
  static_cast<PluginExports&>(*this) = PluginExports{};
  dlclose(handle_);
  handle_ = nullptr;
}

QString PluginLibrary::name() const
{
  TPluginInfo info;
  std::memset(&info, 0, sizeof info);
  GetInfo(&info);
  return readShortText(info.PluginName);
}

QString defaultPluginPath()
{
  return QDir::cleanPath(QCoreApplication::applicationDirPath() + "/../libq9xcup.so");
}

}  // namespace q9xkit
