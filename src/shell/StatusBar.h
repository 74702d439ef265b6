#pragma once
// sbStatusBar: the main window's status bar with its six owner-drawn panels of pile hints (the
// kind of pile under the pointer with its picture, how many piles of that kind there are, the
// cards in the pile, the building rule with suit pictures, the redeals of the stock, and a last
// empty panel). A message (the long form of a hint, the move hint) shows over the panels while it
// lasts.

#include "engine/PileHints.h"

#include <QStatusBar>
#include <array>
#include <functional>

class QPainter;

namespace quillon {

class ImageResources;

class TsbStatusBar : public QStatusBar {
public:
    static constexpr std::array<int, 6> kPanelWidths{77, 23, 57, 350, 94, 10};

    TsbStatusBar(ImageResources& images, QWidget* parent);

    // Fills panels 0 to 4; with no kind word the bar is repainted at once.
    void SetPanels(const PileHintTexts& texts);
    const PileHintTexts& Panels() const { return texts_; }
    // The owner-draw handler of one panel.
    void sbStatusBarDrawPanel(QPainter& p, int panel, const QRect& rect);
    // The rectangle of a panel inside the bar, and its width.
    QRect PanelRect(int panel) const;
    int PanelWidth(int panel) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage Picture(const std::string& name);

    ImageResources& images_;
    PileHintTexts texts_;
    std::map<std::string, QImage> pictures_;
};

// The screen pointer lies over the table area of the window: between its left and right edges,
// below the top of the table (under the toolbar band) and above its bottom edge.
bool PointerOverTable(const QWidget* window, const QWidget* table);

} // namespace quillon
