#include "PhotoNames.h"

namespace zt {

QString PictureName(const QString& surname, const QString& firstName, const QString& birthDate)
{
    return surname + QLatin1Char('_') + firstName + QLatin1Char('_') + birthDate.left(2) + birthDate.mid(3, 2)
           + birthDate.right(4);
}

} // namespace zt
