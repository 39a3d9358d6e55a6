#include "bench/PluginLibrary.h"

#include <QCoreApplication>
#include <QDir>
#include <stdexcept>

namespace q9x::bench {

PluginLibrary::PluginLibrary(const QString& path) : library_(path)
{
  if (!library_.load()) throw std::runtime_error(library_.errorString().toStdString());
  resolve(GetInfo, "_GetInfo");
  resolve(Run, "_Run");
  resolve(GetScore, "_GetScore");
  resolve(AddQSO, "_AddQSO");
  resolve(GrabNumber, "_GrabNumber");
  resolve(Release, "_Release");
}

template <class Function>
void PluginLibrary::resolve(Function& function, const char* name)
{
  function = reinterpret_cast<Function>(library_.resolve(name));
  if (!function) throw std::runtime_error(library_.errorString().toStdString());
}

QString defaultPluginPath()
{
  return QDir(QCoreApplication::applicationDirPath()).filePath("../libq9xcup.so");
}

}  // namespace q9x::bench
