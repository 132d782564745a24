#pragma once
#include <QString>

namespace zt {

// A double quote would end a stored text early, so no input may keep one: it becomes an apostrophe.
QString WithoutQuotes(const QString& text);

} // namespace zt
