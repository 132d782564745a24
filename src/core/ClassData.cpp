#include "ClassData.h"
#include <QStringList>
#include <algorithm>

namespace zt {

ClassData LoadClassData(int baseDataFields)
{
    ClassData data;
    const std::optional<BaseDataRecord> baseData = loadBaseData(baseDataFields);
    data.BaseDataFound = baseData.has_value();
    data.BaseData = baseData.value_or(BaseDataRecord{});
    data.Pupils = loadStudents();
    data.ClassName = data.Pupils.ClassName;
    data.Grade = GradeOfClass(data.ClassName);
    data.HalfYear = HalfYearForGrade(data.BaseData.HalfYear, data.Grade);
    return data;
}

namespace {
const QString WhereToCorrect = QStringLiteral("Geben Sie im Fenster der Schul- und Schülerdaten ");

bool unfitForAFileName(QChar c)
{
    static const QString forbidden = QStringLiteral("\\/:*?\"<>|");
    const QChar::Category category = c.category();
    return forbidden.contains(c) || category == QChar::Other_Control || category == QChar::Separator_Line
        || category == QChar::Separator_Paragraph;
}
} // namespace

std::optional<QString> classValueProblem(const QString& schoolYear, const QString& halfYear, const QString& className)
{
    if (!NextSchoolYear(schoolYear))
        return QStringLiteral("Das Schuljahr '%1' beginnt nicht mit einer vierstelligen Jahreszahl, daher lässt sich "
                              "das nächste Schuljahr nicht bestimmen. ")
                   .arg(schoolYear)
             + WhereToCorrect + QStringLiteral("das Schuljahr im Format 2005/2006 ein.");
    if (halfYear != QLatin1String("1") && halfYear != QLatin1String("2"))
        return QStringLiteral("Das Halbjahr '%1' ist weder 1 noch 2. ").arg(halfYear) + WhereToCorrect
             + QStringLiteral("das Halbjahr 1 oder 2 ein.");
    if (GradeOfClass(className) == 0)
        return QStringLiteral("Die Klasse '%1' beginnt nicht mit einer der Ziffern 1 bis 4. ").arg(className) + WhereToCorrect
             + QStringLiteral("die Klasse mit ihrer Klassenstufe vorn ein, zum Beispiel 3a.");
    if (std::any_of(className.begin(), className.end(), unfitForAFileName))
        return QStringLiteral("Die Klasse '%1' enthält ein Zeichen, das in keinem Dateinamen stehen kann: einen "
                              "Zeilenumbruch, ein Steuerzeichen oder eines der Zeichen \\ / : * ? \" < > |. ")
                   .arg(className)
             + WhereToCorrect + QStringLiteral("die Klasse ohne dieses Zeichen ein, zum Beispiel 3a.");
    return std::nullopt;
}

QString ClassLine(const QString& className, const QString& schoolYear, const QString& halfYear)
{
    // A part that could not be read is left out rather than shown as a gap.
    QStringList parts;
    if (!className.isEmpty())
        parts << QStringLiteral("Klasse ") + className;
    if (!schoolYear.isEmpty())
        parts << QStringLiteral("Schuljahr ") + schoolYear;
    if (!halfYear.isEmpty())
        parts << halfYear + QStringLiteral(". Halbjahr");
    return parts.join(QStringLiteral(" – "));
}

} // namespace zt
