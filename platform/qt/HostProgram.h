#pragma once
// Facts about the host program the plug-in runs in.

#include <QString>
#include <filesystem>

namespace q9x {

// The host executable's file name without folder and extension.
QString hostProgramName();

// Plugins/Q9XCup.dom in the host executable's folder.
std::filesystem::path areaFilePath();

}  // namespace q9x
