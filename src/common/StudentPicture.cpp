#include "StudentPicture.h"
#include "core/ProgramFolder.h"
#include "platform/Controls.h"

namespace zt {

void ShowStudentPicture(PictureBox& box, const QString& pictureName, const QString& extension)
{
    const QString folder = QStringLiteral("Bild\\");
    if (!pictureName.isEmpty() && box.loadPicture(Files::resolve(folder + pictureName + extension)))
        return;
    if (!box.loadPicture(Files::resolve(folder + DefaultPupilPicture)))
        box.clearPicture();
}

} // namespace zt
