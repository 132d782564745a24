#pragma once
#include <QString>

namespace zt {

// Removes blanks at both ends; tabs and line breaks are text and stay.
QString Trim(const QString& text);

} // namespace zt
