#pragma once
#include "CompetenceBlocks.h"
#include "CompetenceComposition.h"
#include <vector>

namespace zt {

// An option group of the competences window (OptionN): the area it belongs to, its elements, the
// part a click gives, the lead-in label shown with it (LabelN, 0 for none) and the block file
// column its captions come from (element `first` takes row 0).
struct OptionGroupRule {
    int number;
    int area;
    int first;
    int last;
    PartRule rule;
    int leadLabel;
    BlockSource source;
    int column;
    bool trimmed;
};

// Every option group; the groups of each area stand in the order in which its text joins them.
const std::vector<OptionGroupRule>& OptionGroupRules();
const OptionGroupRule& OptionGroupRuleOf(int number);

// A lead-in label (LabelN) of an area and its row of the lead-in file; grade 1 reads another row
// for one of them.
struct LeadInRule {
    int label;
    int area;
    int row;
    int rowInGrade1;
    bool trimmed;
};
const std::vector<LeadInRule>& LeadInRules();

// Area 4 opens a sentence with one group that another continues.
constexpr int OpeningGroup = 35;
constexpr int ContinuingGroup = 15;

} // namespace zt
