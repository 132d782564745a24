#include "ClassLists.h"

namespace zt {

namespace {
QString counted(int n, const QString& one, const QString& many) { return QString::number(n) + QLatin1Char(' ') + (n == 1 ? one : many); }

QString joinedWithUnd(const QStringList& parts)
{
    if (parts.size() < 2)
        return parts.join(QString());
    return parts.mid(0, parts.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" und ") + parts.back();
}

// Only "m" and "w" are a gender; anything else was never chosen.
QString genderOf(const StudentRecord& s)
{
    return s.Gender == QLatin1String("m") || s.Gender == QLatin1String("w") ? s.Gender : QString();
}

QString headcount(const StudentList& pupils)
{
    int girls = 0;
    int boys = 0;
    for (int i = 0; i < pupils.Count; ++i) {
        const QString gender = genderOf(pupils.Slots.at(i));
        girls += gender == QLatin1String("w");
        boys += gender == QLatin1String("m");
    }
    const int unknown = pupils.Count - girls - boys;
    QStringList parts;
    if (girls > 0)
        parts << counted(girls, QStringLiteral("Mädchen"), QStringLiteral("Mädchen"));
    if (boys > 0)
        parts << counted(boys, QStringLiteral("Junge"), QStringLiteral("Jungen"));
    if (unknown > 0)
        parts << QString::number(unknown) + QStringLiteral(" ohne Angabe des Geschlechts");
    return counted(pupils.Count, QStringLiteral("Kind"), QStringLiteral("Kinder")) + QStringLiteral(", davon ") + joinedWithUnd(parts);
}

QString clubsOf(const StudentRecord& s)
{
    QStringList clubs;
    for (const QString& club : {s.Club1, s.Club2, s.Club3, s.Club4})
        if (!club.trimmed().isEmpty())
            clubs << club.trimmed();
    return clubs.join(QStringLiteral(", "));
}
} // namespace

QString ListName(const QString& surname, const QString& firstName)
{
    QStringList parts;
    for (const QString& part : {surname.trimmed(), firstName.trimmed()})
        if (!part.isEmpty())
            parts << part;
    return parts.join(QStringLiteral(", "));
}

QString EmptyPupilListNote()
{
    return QStringLiteral("Die Schülerliste ist leer. Die Kinder der Klasse werden im Fenster der Schul- und "
                          "Schülerdaten eingetragen.");
}

ClassListContent ClassList(const StudentList& pupils)
{
    ClassListContent c;
    c.title = QStringLiteral("Klassenliste");
    c.lead << (pupils.Count > 0 ? headcount(pupils) : EmptyPupilListNote());
    c.columns = {QStringLiteral("Nr."),          QStringLiteral("Nachname"), QStringLiteral("Vorname"),
                 QStringLiteral("Geburtsdatum"), QStringLiteral("Geburtsort"), QStringLiteral("m/w"),
                 QStringLiteral("Arbeitsgemeinschaften")};
    for (int i = 0; i < pupils.Count; ++i) {
        const StudentRecord& s = pupils.Slots.at(i);
        c.rows << QStringList{QString::number(i + 1), s.Surname.trimmed(), s.FirstName.trimmed(), s.BirthDate.trimmed(),
                              s.BirthPlace.trimmed(), genderOf(s), clubsOf(s)};
    }
    return c;
}

ClassListContent TallyList(const StudentList& pupils)
{
    ClassListContent c;
    c.title = QStringLiteral("Strichliste");
    c.lead << QStringLiteral("Wofür: ________________________________________      Datum: ____________________");
    if (pupils.Count == 0)
        c.lead << EmptyPupilListNote();
    c.columns = {QStringLiteral("Nr."), QStringLiteral("Name")};
    for (int k = 0; k < TallyColumns; ++k)
        c.columns << QString();
    for (int i = 0; i < pupils.Count; ++i) {
        const StudentRecord& s = pupils.Slots.at(i);
        QStringList row{QString::number(i + 1), ListName(s.Surname, s.FirstName)};
        for (int k = 0; k < TallyColumns; ++k)
            row << QString();
        c.rows << row;
    }
    return c;
}

} // namespace zt
