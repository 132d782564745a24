#pragma once
#include "common/WordLauncher.h"
#include "core/Placeholders.h"
#include "core/PupilStores.h"
#include "core/TextBlockFiles.h"
#include "OfficeDocuments.h"
#include "TestProgram.h"
#include <QStringList>
#include <vector>

namespace zt::test {

// A full class of 33 for the documents of the reports, on the shipped folder: the school data of
// the shipped class, the pupils in list order (one with letters Windows-1252 cannot hold), and their
// texts composed from the shipped text blocks as the stores keep them, placeholders and all. The
// last pupil has no texts yet.
class ReportClassTest : public TestProgram {
protected:
    static constexpr int ClassSize = 33;

    struct Pupil {
        QString surname;
        QString firstName;
        QString gender;
        QString birthDate;
        QString birthPlace;
        std::vector<QString> texts; // the stored texts of the work and social behaviour, then the grade's
    };

    void SetUp() override
    {
        TestProgram::SetUp();
        installShippedData();
        Services::install(MakeDocumentLauncher());
    }

    // The class ("2b", "4a") with its pupils and stores, in the first half-year.
    void useClass(const QString& className)
    {
        className_ = className;
        grade_ = className.left(1).toInt();
        pupils.clear();
        static const char* const surnames[ClassSize] = {
            "Becker", "Şahin", "Schmidt", "Nowak", "Hoffmann", "Iwanow", "Weber", "Rossi", "Kaya", "Fischer", "Okafor",
            "Wagner", "Müller", "Özdemir", "Schulz", "Krüger", "Lange", "Meyer", "Hartmann", "Jäger", "Šimunek", "Wolf",
            "Neumann", "Schröder", "Zimmermann", "Braun", "Krause", "Lehmann", "Köhler", "Richter", "Klein", "Schäfer",
            "Wójcik"};
        static const char* const firstNames[ClassSize] = {
            "Lea", "Łukasz", "Jonas", "Zofia", "Mia", "Daniel", "Paul", "Giulia", "Elif", "Ben", "David",
            "Sophie", "Jürgen", "Aylin", "Noah", "Lena", "Finn", "Hannah", "Luca", "Emilia", "Luka", "Marie",
            "Elias", "Clara", "Felix", "Ida", "Anton", "Greta", "Malte", "Frieda", "Karl", "Lotta", "Jakub"};
        for (int i = 0; i < ClassSize; ++i) {
            Pupil p;
            p.surname = QString::fromUtf8(surnames[i]);
            p.firstName = QString::fromUtf8(firstNames[i]);
            p.gender = i % 2 ? QStringLiteral("m") : QStringLiteral("w");
            p.birthDate = QStringLiteral("%1.%2.%3").arg(1 + i % 28, 2, 10, QLatin1Char('0')).arg(1 + i % 12, 2, 10, QLatin1Char('0'))
                              .arg(grade_ == 2 ? 2018 : 2016);
            p.birthPlace = i % 3 ? QStringLiteral("Musterstadt") : QStringLiteral("Mülheim an der Ruhr");
            if (i < ClassSize - 1)
                p.texts = composedTexts(i);
            else
                p.texts.assign(grade_ < 3 ? 10 : 5, QString());
            pupils.push_back(p);
        }
        StudentList written;
        written.ClassName = className;
        written.Count = ClassSize;
        for (int i = 0; i < ClassSize; ++i) {
            const Pupil& p = pupils[i];
            written.Slots[i] = {className, p.surname, p.firstName, p.gender, p.birthDate, {}, {}, {}, {}, p.birthPlace};
        }
        RecordWriter names;
        writeStudents(names, written);
        ASSERT_TRUE(saveMasterFile(StudentsFile, names));
        const StudentList list = loadStudents();
        ASSERT_EQ(list.Count, ClassSize);
        ASSERT_TRUE(WriteStore(AvSvTextStore, list, [&](RecordWriter& w, int slot) {
            w.string(pupils[slot].texts[0]).string(pupils[slot].texts[1]);
        }));
        ASSERT_TRUE(WriteStore(grade_ < 3 ? Grade12TextStore : Grade34TextStore, list, [&](RecordWriter& w, int slot) {
            for (size_t t = 2; t < pupils[slot].texts.size(); ++t)
                w.string(pupils[slot].texts[t]);
        }));
    }

    // The texts as the report shows them: every placeholder replaced with the pupil's and the school
    // data's values, which the test names itself.
    QStringList expectedTexts(int i) const
    {
        const Pupil& p = pupils[i];
        const PlaceholderValues values{p.gender, p.firstName, QStringLiteral("2026/2027"), QStringLiteral("2027/2028"),
                                       QStringLiteral("21.01.2027")};
        QStringList texts;
        for (const QString& t : p.texts)
            texts << SubstitutePlaceholders(t, PlaceholderSet::Full, values);
        return texts;
    }

    QString fullName(int i) const { return pupils[i].firstName + QLatin1Char(' ') + pupils[i].surname; }
    QString classLine() const { return QStringLiteral("Klasse %1 – Schuljahr 2026/2027 – 1. Halbjahr").arg(className_); }

    // A document of the class made through its command line with the program's launcher, opened and
    // printed.
    PrintedDocument makeAndPrint(const QString& commandLine, const QString& document)
    {
        desktop->opened.clear();
        RunWordCommand(commandLine);
        EXPECT_EQ(desktop->opened, QStringList{path(document)});
        return printDocument(path(document));
    }

    // The PDF's text with every run of blanks and line ends as one blank, so that a text reads the
    // same however the page broke its lines.
    static QString flat(const QString& text) { return text.simplified(); }

    // The parts stand on the page in this order, each after the one before; returns where the last
    // one stands.
    static qsizetype expectInOrder(const QString& page, const QStringList& parts, qsizetype at = 0)
    {
        for (const QString& part : parts) {
            const qsizetype found = page.indexOf(part, at);
            EXPECT_GE(found, 0) << part.toStdString() << "\nPAGE: " << page.toStdString();
            at = std::max(at, found);
        }
        return at;
    }

    // Every area's heading, and after each the pupil's text of that area (by its place among the
    // stored texts), from where the page stands.
    qsizetype expectAreas(const QString& page, int pupil, const QStringList& headings, const std::vector<int>& textOrder,
                          qsizetype at)
    {
        const QStringList texts = expectedTexts(pupil);
        for (int k = 0; k < headings.size(); ++k) {
            const qsizetype heading = page.indexOf(headings[k], at);
            EXPECT_GT(heading, at) << headings[k].toStdString();
            at = expectInOrder(page, {flat(texts[textOrder[k]])}, std::max(at, heading));
        }
        return at;
    }

    std::vector<Pupil> pupils;

private:
    QString cell(const QString& file, int columns, int row, int column)
    {
        const BlockTable table = readBlockTable(file, columns, 20);
        const QString text = table.cell(row, column);
        EXPECT_FALSE(text.isEmpty()) << file.toStdString() << " " << row << " " << column;
        return text;
    }

    // Pupil i's texts from the first rows of the shipped blocks that hold a statement (row 0 of the
    // behaviour and interests blocks says there is none).
    std::vector<QString> composedTexts(int i)
    {
        const int r = 1 + i % 3;
        const int c = i % 3;
        const QString first = QStringLiteral("<Vorname> ");
        std::vector<QString> texts = {
            first + cell(AvLineFile, 7, r, 1) + QStringLiteral(". ") + cell(AvLineFile, 7, r, 4) + QStringLiteral(". ")
                + cell(AvLineFile, 7, r, 7) + QLatin1Char('.'),
            first + cell(SvLineFile, 6, r, 1) + QStringLiteral(". ") + cell(SvLineFile, 6, r, 4) + QStringLiteral(".\r\n")
                + cell(SvLineFile, 6, r, 6) + QLatin1Char('.'),
        };
        if (grade_ < 3) {
            texts.push_back(first + cell(QStringLiteral("Interessen12.Txt"), 1, r, 1) + QLatin1Char('.'));
            texts.push_back(cell(QStringLiteral("Sprechen2.Txt"), 3, c, 1) + QStringLiteral(". ")
                            + cell(QStringLiteral("Sprechen2.Txt"), 3, c, 2) + QLatin1Char('.'));
            texts.push_back(cell(QStringLiteral("Lesen2.Txt"), 6, c, 1) + QLatin1Char(' ') + cell(QStringLiteral("Lesen2.Txt"), 6, c, 2));
            texts.push_back(cell(QStringLiteral("Schreiben2.Txt"), 6, c, 1) + QLatin1Char(' ')
                            + cell(QStringLiteral("Schreiben2.Txt"), 6, c, 2));
            texts.push_back(QStringLiteral("Im Zahlenraum ") + cell(QStringLiteral("Mathe2.Txt"), 18, c, 1) + QLatin1Char('.'));
            texts.push_back(QStringLiteral("Längen ") + cell(QStringLiteral("Mathe2.Txt"), 18, c, 9) + QLatin1Char('.'));
            texts.push_back(QStringLiteral("Geometrische Formen ") + cell(QStringLiteral("Mathe2.Txt"), 18, c, 14) + QLatin1Char('.'));
            texts.push_back(cell(QStringLiteral("Bemerkungen2.Txt"), 3, 0, 1) + QStringLiteral(". ")
                            + cell(QStringLiteral("Versetzung2.Txt"), 1, i % 3, 1) + QLatin1Char('.'));
        } else {
            texts.push_back(cell(QStringLiteral("Förder34.Txt"), 1, 0, 1) + QLatin1Char(' ') + cell(QStringLiteral("Förder34.Txt"), 1, r, 1)
                            + QStringLiteral(" teilgenommen. ") + cell(QStringLiteral("AG.Txt"), 1, 1, 1) + QLatin1Char('.'));
            texts.push_back(first + cell(QStringLiteral("Interessen34.Txt"), 1, r, 1) + QLatin1Char('.'));
            texts.push_back(cell(QStringLiteral("Bemerkungen34.Txt"), 4, c, 1) + QLatin1Char(' ')
                            + cell(QStringLiteral("Bemerkungen34.Txt"), 4, c, 2) + QStringLiteral(". ")
                            + cell(QStringLiteral("Versetzung4.Txt"), 2, i % 4, 2) + QLatin1Char('.'));
        }
        return texts;
    }

    QString className_;
    int grade_ = 0;
};

} // namespace zt::test
