#pragma once
// Pictures of the plug-in's windows, for --screenshot.

#include <QString>

namespace q9xhost {

// Saves fmMainForm.png and fmDomList.png into dir (created when missing),
// opening the area window first. Throws std::runtime_error.
void saveScreenshots(const QString& dir);

}  // namespace q9xhost
