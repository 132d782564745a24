#include "ReportListDocument.h"
#include "ClassHeading.h"
#include "DatedCopy.h"
#include "core/ReportList.h"
#include "core/WordCommandLine.h"

namespace zt {

namespace {
// Number, name and birth date, then the columns to fill by hand: a mark needs little room, a count
// of days a little more, and the last column takes what is left. A class of 33 fits one page.
DocumentTable tableOf(const ReportList& list)
{
    DocumentTable table;
    table.fontPoints = 9;
    table.cellPaddingPoints = 1.5;
    table.columns = {{list.columns[0], 5, Qt::AlignRight}, {list.columns[1], 20}, {list.columns[2], 12}};
    int used = 5 + 20 + 12;
    for (qsizetype c = list.filledColumns; c < list.columns.size(); ++c) {
        const bool last = c == list.columns.size() - 1;
        const int percent = last ? 100 - used : list.columns[c].size() <= 3 ? 5 : 10;
        table.columns.append({list.columns[c], percent, Qt::AlignHCenter});
        used += percent;
    }
    for (const QStringList& row : list.rows)
        table.rows << row;
    return table;
}
} // namespace

std::optional<QString> MakeReportList(const QDate& today)
{
    const ClassData data = LoadClassData();
    // Without the pupil list the list has no name; its problem was told.
    if (data.ClassName.isEmpty())
        return std::nullopt;
    const ReportList list = ClassReportList(data);
    DocumentBuilder document;
    AddClassHeading(document, data, list.title);
    document.table(tableOf(list));
    if (!list.legend.isEmpty())
        document.smallText(list.legend);
    const QString path = OpenDocumentOf(ClassReportListDocument(data.ClassName, data.Grade, data.HalfYear));
    if (!SaveKeepingDatedCopy(document, path, today))
        return std::nullopt;
    return path;
}

} // namespace zt
