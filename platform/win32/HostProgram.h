#pragma once
// Facts about the host executable the DLL was loaded into.

#include <filesystem>
#include <string>

namespace q9x {

// The host executable's file name without folder and extension, in the
// host's code page.
std::string hostProgramName();

// Plugins\Q9XCup.dom in the host executable's folder.
std::filesystem::path areaFilePath();

}  // namespace q9x
