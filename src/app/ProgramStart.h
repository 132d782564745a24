#pragma once
#include <QString>

namespace zt {

// What the program does before its start page: the application's look, the program folder as the
// working directory, the services and every window known to the registry.
void PrepareProgram(const QString& folder);
// Unloads every window while the application still exists.
void CloseProgram();

} // namespace zt
