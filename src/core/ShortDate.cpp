#include "ShortDate.h"

namespace zt {

QString ShortDate(const QDate& date) { return date.toString(QStringLiteral("dd.MM.yyyy")); }

} // namespace zt
