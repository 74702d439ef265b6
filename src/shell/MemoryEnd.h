#pragma once
// frmMemoryEnd: the result of a memory game at its end: the family's own page with the points of
// a match and of a miss, the score made of them, and a green or red picture beside the total.
#include "engine/TableView.h"

#include "support/widgets/C_AdvancedForm.h"

class QLabel;

namespace quillon {

class TfrmMemoryEnd : public C_TAdvancedForm {
public:
    explicit TfrmMemoryEnd(const MemoryResultPage& page, QWidget* parent = nullptr);

    // The texts of the score box, by line: "Matches:", "Misses", "Start:", "Total:" and the score
    // to win; each line's label carries its own object name (lblMatches, lblMisses ...).
    QLabel* Line(const char* name) const;
    // The colour of the picture beside the total: green for a won game, red for a lost one.
    QColor ResultColour() const { return colour_; }

private:
    QColor colour_;
};

} // namespace quillon
