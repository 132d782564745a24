#include "ReportList.h"

namespace zt {

namespace {
const QString DaysMissed = QStringLiteral("Fehl\u00ADtage");
const QString Unexcused = QStringLiteral("davon unent\u00ADschuldigt");
} // namespace

ReportList ClassReportList(const ClassData& data)
{
    ReportList list;
    list.columns = {QStringLiteral("Nr."), QStringLiteral("Name"), QStringLiteral("Geburts\u00ADdatum")};
    if (data.Grade < 3) {
        list.title = QStringLiteral("Versäumnisliste");
        list.columns << DaysMissed << Unexcused << QStringLiteral("Bemerkungen");
    } else {
        list.title = QStringLiteral("Zeugnisliste");
        list.columns << QStringLiteral("D") << QStringLiteral("M") << QStringLiteral("SU") << QStringLiteral("E")
                     << QStringLiteral("Mu") << QStringLiteral("Ku") << QStringLiteral("Sp") << QStringLiteral("Rel")
                     << DaysMissed << Unexcused;
        list.legend = QStringLiteral("D Deutsch, M Mathematik, SU Sachunterricht, E Englisch, Mu Musik, Ku Kunst, "
                                     "Sp Sport, Rel Religion");
    }
    for (int slot = 0; slot < data.Pupils.Count && slot < PupilSlots; ++slot) {
        const StudentRecord& pupil = data.Pupils.Slots[slot];
        list.rows.push_back({QString::number(slot + 1), pupil.Surname + QStringLiteral(", ") + pupil.FirstName, pupil.BirthDate});
    }
    return list;
}

} // namespace zt
