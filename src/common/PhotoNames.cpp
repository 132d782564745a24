#include "PhotoNames.h"
#include "platform/Controls.h"
#include "platform/ProgramFolder.h"

namespace zt {

QString PictureName(const QString& surname, const QString& firstName, const QString& birthDate)
{
    return surname + QLatin1Char('_') + firstName + QLatin1Char('_') + birthDate.left(2) + birthDate.mid(3, 2)
           + birthDate.right(4);
}

void ShowStudentPicture(PictureBox& box, const QString& pictureName, const QString& extension)
{
    const QString folder = QStringLiteral("Bild\\");
    if (!pictureName.isEmpty() && box.loadPicture(Files::resolve(folder + pictureName + extension)))
        return;
    if (!box.loadPicture(Files::resolve(folder + DefaultPupilPicture)))
        box.clearPicture();
}

} // namespace zt
