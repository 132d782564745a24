#pragma once
#include "TextBlockFiles.h"

namespace zt {

// The text-block files of the grade 3/4 window, each with the columns and rows the window keeps.
// Row r holds the record numbered r + 1.
struct Grade34Blocks {
    BlockTable support{1, 9};     // Förder34.Txt: opening, six subjects, closing
    BlockTable interests{1, 16};  // Interessen34.Txt
    BlockTable deviation{1, 8};   // Zensurabweichung.Txt: three subjects, opening, closing by half-year
    BlockTable remarks{4, 9};     // Bemerkungen34.Txt: leads, phrases, progress, its ending
    BlockTable promotion{2, 5};   // Versetzung3.Txt or Versetzung4.Txt: a column per half-year
    BlockTable clubs{1, 3};       // AG.Txt
    BlockTable sports{1, 16};     // Sportusw.Txt

    // The promotion file is the grade's; for a grade other than 3 or 4 it stays empty.
    static Grade34Blocks load(int grade);
};

} // namespace zt
