#include "CompetenceGroups.h"
#include <stdexcept>

namespace zt {

const std::vector<OptionGroupRule>& OptionGroupRules()
{
    using R = PartRule;
    using S = BlockSource;
    static const std::vector<OptionGroupRule> rules = {
        {1, 0, 0, 15, R::IndexOnly, 0, S::Interests, 1, false},
        {2, 1, 0, 3, R::Caption, 0, S::Speaking, 1, false},
        {3, 1, 0, 3, R::Caption, 0, S::Speaking, 2, false},
        {44, 1, 0, 3, R::Caption, 0, S::Speaking, 3, false},
        {4, 2, 0, 6, R::Caption, 0, S::Reading, 1, false},
        {5, 2, 0, 6, R::Caption, 0, S::Reading, 2, false},
        {6, 2, 0, 6, R::CaptionDot, 0, S::Reading, 3, false},
        {7, 2, 0, 3, R::Caption, 0, S::Reading, 4, false},
        {8, 2, 0, 3, R::CaptionDot, 0, S::Reading, 5, false},
        {45, 2, 0, 3, R::CaptionDot, 0, S::Reading, 6, false},
        {9, 3, 0, 3, R::CaptionBlank, 0, S::Writing, 1, false},
        {10, 3, 0, 3, R::CaptionBlank, 0, S::Writing, 2, false},
        {11, 3, 0, 3, R::LeadCaptionDotBlank, 9, S::Writing, 3, false},
        {12, 3, 0, 3, R::LeadCaptionDotBlank, 4, S::Writing, 4, false},
        {13, 3, 0, 5, R::LeadCaptionDot, 8, S::Writing, 5, false},
        {24, 3, 0, 5, R::BlankLeadCaptionDot, 10, S::Writing, 6, false},
        {14, 4, 0, 4, R::LeadCaptionDotBlank, 11, S::Maths, 1, false},
        {35, 4, 0, 1, R::LeadCaption, 12, S::Maths, 7, false},
        {15, 4, 0, 4, R::Continuation, 12, S::Maths, 2, false},
        {16, 4, 0, 5, R::BlankLeadCaptionDot, 13, S::Maths, 3, false},
        {20, 4, 0, 3, R::BlankLeadCaptionDot, 14, S::Maths, 4, false},
        {28, 4, 1, 1, R::BlankCaptionDot, 0, S::Maths, 5, false},
        {25, 4, 0, 4, R::BlankLeadCaptionDot, 15, S::Maths, 6, false},
        {17, 5, 0, 2, R::LeadCaptionDotBlank, 17, S::Maths, 8, false},
        {18, 5, 0, 2, R::LeadCaptionDotBlank, 18, S::Maths, 9, false},
        {19, 5, 0, 2, R::LeadCaptionDotBlank, 19, S::Maths, 10, false},
        {26, 5, 0, 2, R::LeadCaptionDotBlank, 20, S::Maths, 11, false},
        {27, 5, 0, 3, R::LeadCaptionDot, 21, S::Maths, 12, false},
        {29, 6, 0, 2, R::LeadCaptionDotBlank, 22, S::Maths, 13, false},
        {30, 6, 0, 2, R::LeadCaptionDotBlank, 23, S::Maths, 14, false},
        {31, 6, 0, 2, R::LeadCaptionDotBlank, 24, S::Maths, 15, false},
        {32, 6, 0, 3, R::LeadCaptionDotBlank, 25, S::Maths, 16, false},
        {33, 6, 0, 3, R::LeadCaptionDotBlank, 26, S::Maths, 17, false},
        {34, 6, 0, 3, R::LeadCaptionDotBlank, 27, S::Maths, 18, false},
        {23, 7, 0, 7, R::CaptionDot, 0, S::Remarks, 3, true},
        {21, 7, 0, 3, R::CaptionDot, 0, S::Promotion, 1, false},
    };
    return rules;
}

const OptionGroupRule& OptionGroupRuleOf(int number)
{
    for (const OptionGroupRule& rule : OptionGroupRules())
        if (rule.number == number)
            return rule;
    throw std::out_of_range("option group");
}

const std::vector<LeadInRule>& LeadInRules()
{
    static const std::vector<LeadInRule> rules = {
        {9, 3, 0, 0, false},   {4, 3, 1, 1, false},   {8, 3, 2, 2, false},   {10, 3, 21, 21, false},
        {11, 4, 3, 3, false},  {12, 4, 4, 20, false}, {13, 4, 5, 5, false},  {14, 4, 6, 6, false},
        {15, 4, 7, 7, false},  {17, 5, 8, 8, false},  {18, 5, 9, 9, false},  {19, 5, 10, 10, false},
        {20, 5, 11, 11, false}, {21, 5, 12, 12, false}, {22, 6, 13, 13, false}, {23, 6, 14, 14, false},
        {24, 6, 15, 15, false}, {25, 6, 16, 16, false}, {26, 6, 17, 17, false}, {27, 6, 18, 18, false},
        {5, 7, 19, 19, true},
    };
    return rules;
}

} // namespace zt
