#pragma once
#include <QDate>
#include <QString>

namespace zt {

// The German short date, dd.mm.yyyy, as the dated copies are named.
QString ShortDate(const QDate& date);

} // namespace zt
