#pragma once
#include <QString>

namespace zt {

// The one way the program starts another program: the command line as the windows give it,
// started without waiting. When the word processor cannot be started the teacher is told and
// the program goes on.
void RunWordCommand(const QString& commandLine);

} // namespace zt
