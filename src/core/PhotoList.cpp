#include "PhotoList.h"
#include "ClassLists.h"
#include <algorithm>

namespace zt {

namespace {
// Characters that no file name on the teacher's computer may hold.
bool canBeFileName(const QString& name)
{
    static const QString forbidden = QStringLiteral("\\/:*?\"<>|");
    return !name.trimmed().isEmpty() && std::none_of(name.begin(), name.end(), [](QChar c) {
        return forbidden.contains(c) || c.unicode() < 32;
    });
}

QString remarkOf(PhotoState state)
{
    switch (state) {
    case PhotoState::Present: return QStringLiteral("vorhanden");
    case PhotoState::Missing: return QStringLiteral("fehlt");
    case PhotoState::Unreadable: return QStringLiteral("kein lesbares Bild");
    }
    return QString();
}
} // namespace

PhotoListContent PhotoList(const PictureList& list, const QString& pictureFolder,
                           const std::function<PhotoState(const QString& relativePath)>& stateOf)
{
    PhotoListContent c;
    c.title = QStringLiteral("Fotos der Klasse");
    c.columns = {QStringLiteral("Nr."), QStringLiteral("Foto"), QStringLiteral("Kind und Name der Fotodatei"),
                 QStringLiteral("Hinweis")};
    int present = 0;
    for (int i = 0; i < list.Count; ++i) {
        const PictureListRecord& r = list.Slots.at(i);
        PhotoListEntry e;
        e.number = QString::number(i + 1);
        e.name = ListName(r.Surname, r.FirstName);
        if (!r.PictureName.isEmpty())
            e.fileName = r.PictureName + QStringLiteral(".jpg");
        if (canBeFileName(r.PictureName)) {
            e.state = stateOf(QStringLiteral("Bild\\") + e.fileName);
            e.remark = remarkOf(e.state);
        } else {
            e.remark = QStringLiteral("kein gültiger Dateiname: Namen und Geburtsdatum (TT.MM.JJJJ) in den Schülerdaten prüfen");
        }
        present += e.state == PhotoState::Present;
        c.entries << e;
    }
    if (list.Count == 0) {
        c.lead << QStringLiteral("Die Liste der Fotonamen ist leer. Sie entsteht bei jedem „Basisdaten speichern“ im "
                                 "Fenster der Schul- und Schülerdaten.");
        return c;
    }
    if (present == list.Count) {
        c.lead << QStringLiteral("Alle %1 Fotos sind vorhanden.").arg(list.Count);
        return c;
    }
    c.lead << QStringLiteral("Fotos vorhanden: %1 von %2, fehlend: %3.").arg(present).arg(list.Count).arg(list.Count - present);
    c.lead << QStringLiteral("Ein fehlendes Foto legen Sie als JPEG-Bild unter dem genannten Namen in den Ordner "
                             "„Bild“ des Programms: %1")
                  .arg(pictureFolder);
    return c;
}

} // namespace zt
