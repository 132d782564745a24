#pragma once
#include "platform/Services.h"
#include <QString>
#include <memory>

namespace zt {

// The one way the program starts another program: the command line as the windows give it,
// started without waiting. When nothing can open the document the teacher is told and the program
// goes on.
void RunWordCommand(const QString& commandLine);

// The launcher of the program: a macro's stand-in makes its document from the data files, then the
// document opens in the desktop's application for it.
std::unique_ptr<LauncherService> MakeDocumentLauncher();

} // namespace zt
