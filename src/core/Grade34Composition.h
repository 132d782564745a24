#pragma once
#include <QString>
#include <QStringList>

namespace zt {

// The grade 3/4 texts. The interest sentence, the sports sentences and area 1 as a whole are those
// of the competences window (CompetenceComposition.h).

// The interest sentence of the interest at the index; the first interest captioned "Kein Eintrag"
// gives none.
QString InterestPart(const QString& firstName, int index, const QString& caption);

// "<opening> A, B und C <closing>." from the ticked phrases, or nothing when none is ticked: the
// support subjects and the subjects of a grade deviation.
QString ListSentence(const QString& opening, const QStringList& phrases, const QString& closing);

// Parts that are followed by what comes after them in their line: a blank after the lead remark
// and after the phrase list, a full stop after the promotion; nothing when the part is empty.
QString LeadPart(const QString& caption);
QString RemarkPhrases(const QStringList& phrases);
QString ProgressPart(const QString& caption, const QString& ending);
QString PromotionPart(const QString& caption);

// Area 0: the support sentence, then the club sentence with its one full stop.
QString ComposeText1(const QString& supportPart, const QString& clubPart);

// Area 2: the deviation sentence; the lead remark, the phrases and the progress; the promotion.
struct RemarkParts34 {
    QString deviation;
    QString lead;
    QString phrases;
    QString progress;
    QString promotion;
};
QString ComposeText3(const RemarkParts34& parts);

} // namespace zt
