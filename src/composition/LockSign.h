#pragma once
#include <QFont>
#include <QPixmap>
#include <QString>

namespace zt {

// What the lock sign says: the area is edited by hand, and which button opens it again.
QString LockSignLine(const QString& newEntryCaption);

// The sign laid over the choices of an area while its text is edited by hand only: a padlock
// above the line, on grey.
QPixmap LockSign(QSize size, const QString& line, const QFont& font);

} // namespace zt
