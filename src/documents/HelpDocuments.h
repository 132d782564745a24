#pragma once
#include <QString>
#include <optional>

namespace zt {

// Whether the document ("Texte\Hilfe3.odt") is one of the help texts built into the program.
bool IsHelpDocument(const QString& document);

// Writes the help text as its document, anew each time it is opened, so that the teacher reads the
// help of the program he runs; the relative path, or nothing when it could not be written (reported).
std::optional<QString> MakeHelpDocument(const QString& document);

} // namespace zt
