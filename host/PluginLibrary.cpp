#include "host/PluginLibrary.h"

#include <QStringList>
#include <cstring>

#include "host/ShortText.h"

namespace q9xhost {

namespace {
template <class Function>
void resolve(QLibrary& library, const char* symbol, Function& into, QStringList& missing)
{
  into = reinterpret_cast<Function>(library.resolve(symbol));
  if (!into) missing << QString::fromLatin1(symbol);
}
}  // namespace

PluginLibrary::PluginLibrary(const QString& path) : library_(path)
{
  if (!library_.load())
    throw PluginLoadError(
        QString("Cannot load the plug-in %1: %2").arg(path, library_.errorString()).toStdString());

  QStringList missing;
  resolve(library_, "_GetInfo", api_.GetInfo, missing);
  resolve(library_, "_Run", api_.Run, missing);
  resolve(library_, "_GetScore", api_.GetScore, missing);
  resolve(library_, "_AddQSO", api_.AddQSO, missing);
  resolve(library_, "_GrabNumber", api_.GrabNumber, missing);
  resolve(library_, "_Release", api_.Release, missing);
  if (!missing.isEmpty()) {
    // Nothing of it was called; it goes again before anything can be.
    library_.unload();
    throw PluginLoadError(QString("%1 is not a Q9X-CUP-DIGI plug-in: it does not export %2")
                              .arg(path, missing.join(", "))
                              .toStdString());
  }
}

QString PluginLibrary::name() const
{
  TPluginInfo info;
  std::memset(&info, 0, sizeof info);
  api_.GetInfo(&info);
  return readShortText(info.PluginName);
}

}  // namespace q9xhost
