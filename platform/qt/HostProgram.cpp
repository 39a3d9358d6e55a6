#include "platform/qt/HostProgram.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace q9x {

QString hostProgramName()
{
  return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

std::filesystem::path areaFilePath()
{
  QString path = QDir(QCoreApplication::applicationDirPath()).filePath("Plugins/Q9XCup.dom");
  return std::filesystem::path(path.toStdU16String());
}

}  // namespace q9x
