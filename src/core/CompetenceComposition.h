#pragma once
#include <QString>
#include <QStringList>

namespace zt {

// How a click in a choice group of the competences window turns the caption c of the clicked
// element, and the lead-in L shown with the group, into the group's part of its area text.
enum class PartRule {
    IndexOnly,           // nothing: the area text is built from the chosen index
    Caption,             // "c"
    CaptionDot,          // "c."
    CaptionBlank,        // "c "
    LeadCaptionDotBlank, // "L c. "
    LeadCaptionDot,      // "L c."
    LeadCaption,         // "L c": opens a sentence that another group continues
    BlankLeadCaptionDot, // " L c."
    BlankCaptionDot,     // " c."
    Continuation,        // " c." when the sentence is open, otherwise "L c."
};

QString PartText(PartRule rule, const QString& lead, const QString& caption, bool sentenceOpen = false);

// "<first name> <caption>." for the chosen interest, or nothing where the choice means no interest.
QString InterestSentence(const QString& firstName, const QString& caption, bool none);
// Each ticked sports sentence closed by ". ".
QString SportsPart(const QStringList& tickedSentences);
// The interest sentence and the sports sentences, on two lines when both are there.
QString ComposeInterests(const QString& interestPart, const QString& sportsPart);

// Areas 1 to 6 from the parts of their groups, in the order in which the area joins them: area 1
// closes every part with a full stop, area 2 sets the parts apart by blanks, areas 3 to 6 join
// them as they are.
QString ComposeAreaText(int area, const QStringList& parts);

// Area 7: a head of the club and swimming sentences, then the phrase sentence "L A, B und C ..."
// closed by the half-year's ending, then the promotion sentence.
struct RemarksParts {
    QString head;          // the parts of the two remark boxes, joined
    QStringList phrases;   // the parts of the phrase boxes, empty where unticked
    QString lead;          // the lead-in of the phrases
    QString closing;       // half-year 1: the part of the chosen closing
    QString closingOfYear; // half-year 2: the first closing's caption, which brings its own stop
    QString promotion;     // half-year 2: the part of the chosen promotion
    int halfYear = 0;
};
QString ComposeRemarks(const RemarksParts& parts);

} // namespace zt
