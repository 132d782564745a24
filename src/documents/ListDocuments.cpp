#include "ListDocuments.h"
#include "ClassHeading.h"
#include "DocumentBuilder.h"
#include "core/ClassLists.h"
#include "core/PhotoList.h"
#include "core/ProgramFolder.h"
#include <QDir>
#include <QImageReader>

namespace zt {

namespace {
// The number in the first column stands right-aligned.
DocumentTable tableOf(const QStringList& headers, const QList<int>& percents)
{
    DocumentTable table;
    for (qsizetype i = 0; i < headers.size(); ++i)
        table.columns << TableColumn{headers[i], percents.value(i)};
    table.columns.front().alignment = Qt::AlignRight;
    return table;
}

std::optional<QString> save(DocumentBuilder& document, const QString& path)
{
    if (!document.save(path))
        return std::nullopt;
    return path;
}

PhotoState photoState(const QString& relativePath)
{
    if (!Files::exists(relativePath))
        return PhotoState::Missing;
    return QImageReader(Files::resolve(relativePath)).canRead() ? PhotoState::Present : PhotoState::Unreadable;
}
} // namespace

std::optional<QString> MakeClassList()
{
    const ClassData data = LoadClassData();
    const ClassListContent content = ClassList(data.Pupils);
    DocumentBuilder document;
    AddClassHeading(document, data, content.title);
    document.text(content.lead.join(QLatin1Char('\n')));
    DocumentTable table = tableOf(content.columns, {5, 17, 15, 16, 17, 5, 25});
    table.columns[5].alignment = Qt::AlignHCenter;
    table.rows = content.rows;
    table.fontPoints = 9.5;
    document.table(table);
    return save(document, ClassListDocument);
}

std::optional<QString> MakeTallyList()
{
    const ClassData data = LoadClassData();
    const ClassListContent content = TallyList(data.Pupils);
    DocumentBuilder document;
    AddClassHeading(document, data, content.title);
    document.space(4);
    document.text(content.lead.join(QLatin1Char('\n')));
    QList<int> percents{5, 45};
    for (int k = 0; k < TallyColumns; ++k)
        percents << 5;
    DocumentTable table = tableOf(content.columns, percents);
    table.rows = content.rows;
    table.fontPoints = 10;
    table.cellPaddingPoints = 2.5;
    document.table(table);
    return save(document, TallyListDocument);
}

std::optional<QString> MakePhotoList()
{
    const ClassData data = LoadClassData();
    const PhotoListContent content =
        PhotoList(loadPictureList(), QDir::toNativeSeparators(Files::resolve(QStringLiteral("Bild"))), photoState);
    DocumentBuilder document;
    AddClassHeading(document, data, content.title);
    document.text(content.lead.join(QLatin1Char('\n')));
    DocumentTable table = tableOf(content.columns, {6, 11, 61, 22});
    table.fontPoints = 9.5;
    constexpr int PhotoColumn = 1;
    for (qsizetype i = 0; i < content.entries.size(); ++i) {
        const PhotoListEntry& e = content.entries[i];
        table.rows << QStringList{e.number, QString(), e.name + QLatin1Char('\n') + e.fileName, e.remark};
        if (e.state == PhotoState::Present)
            table.pictures << TablePicture{static_cast<int>(i), PhotoColumn, Files::resolve(QStringLiteral("Bild\\") + e.fileName), 40};
    }
    document.table(table);
    return save(document, PhotoListDocument);
}

} // namespace zt
