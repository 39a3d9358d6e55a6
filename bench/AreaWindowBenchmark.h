#pragma once
// Opening the area window on a large area file, and a contact's cost while
// it is open over many worked area codes. The plug-in reads the area file
// beside the host's executable, so the measurement runs in a copy of this
// program started from a folder of its own with a generated file.
// q9x-bench --area-lines N sets the file's lines (1,000,000; 10,000 with
// --quick), --area-worked N the worked codes (200,000; 2,000 with --quick).

#include <QString>
#include <QStringList>
#include <cstdio>

namespace q9x::bench {

// Measures in a child process and prints the table; throws when the child
// fails or the window does not list every code.
void printAreaWindowFigures(std::FILE* out, const QString& pluginPath, long lines, long worked);

// The child's side: true when args ask for it, and then it has run.
bool runAreaWindowChild(const QStringList& args, int& exitCode);

}  // namespace q9x::bench
