#include "QuoteRule.h"

namespace zt {

QString WithoutQuotes(const QString& text) { return QString(text).replace(QLatin1Char('"'), QLatin1Char('\'')); }

} // namespace zt
