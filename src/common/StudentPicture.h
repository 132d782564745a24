#pragma once
#include "core/PhotoNames.h"
#include <QString>

namespace zt {

class PictureBox;

// Shows Bild\<pictureName><extension>, or the default picture when that cannot be loaded; the box
// stays empty when neither can.
void ShowStudentPicture(PictureBox& box, const QString& pictureName, const QString& extension = QStringLiteral(".jpg"));

} // namespace zt
