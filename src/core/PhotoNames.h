#pragma once
#include <QString>

namespace zt {

// Surname, "_", first name, "_", characters 1-2, 4-5 and the last four of the birth date:
// 05.03.2005 gives the eight digits 05032005.
QString PictureName(const QString& surname, const QString& firstName, const QString& birthDate);

inline const QString DefaultPupilPicture = QStringLiteral("SMILI.jpg");

} // namespace zt
