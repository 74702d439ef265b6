#include "engine/CardFlight.h"

#include "engine/CardPlaces.h"
#include "engine/TableView.h"
#include "support/Pauses.h"

#include <cmath>
#include <cstdlib>

namespace quillon {

int FlightStepLength(int distance, bool fast) {
    const double a = std::abs(distance);
    int step = static_cast<int>(a / (0.0128 * a + 4.0) + 0.5);
    if (fast)
        step = static_cast<int>(0.9 * step);
    return step;
}

namespace {

// One axis of a flight.
struct Axis {
    int start = 0, target = 0, pos = 0;
    bool arrived = false;

    // An axis that reached or passed its target stops there.
    void Clamp() {
        bool forward = target >= start;
        if ((forward && pos >= target) || (!forward && pos <= target)) {
            pos = target;
            arrived = true;
        }
    }
};

} // namespace

void FlyCard(Session& s, int card, int fromX, int fromY, int toX, int toY, bool buildImage, bool withShadow,
             bool fast, bool commit) {
    TableView& view = View(s);
    const int cw = s.Metrics.CardWidth, ch = s.Metrics.CardHeight, shadow = s.Metrics.ShadowSize;
    const int r = s.Params.ReadInt(param::SpeedMoveCard, 2, 10);

    if (withShadow) {
        toX -= shadow;
        toY -= shadow;
    }
    // A pile that is not on the table: the card flies off past the top-left corner.
    if (toX <= -10000)
        toX = -3 * cw;
    if (toY <= -10000)
        toY = -3 * ch;

    Axis ax{fromX, toX, fromX}, ay{fromY, toY, fromY};
    const bool vertical = std::abs(toY - fromY) > std::abs(toX - fromX);
    Axis& major = vertical ? ay : ax;
    Axis& minor = vertical ? ax : ay;
    const int distance = std::abs(major.target - major.start);
    int step = std::min(FlightStepLength(distance, fast), distance);
    if (major.target < major.start)
        step = -step;

    if (buildImage) {
        s.Game.DragCard = static_cast<std::int16_t>(card);
        s.DragHeight = ch;
        s.DragRect = {fromX, fromY, fromX + cw, fromY + ch};
        view.BuildDragImage(card);
        s.Game.DragCard = 0;
        s.Game.RunEndCard = 0;
        s.Game.DragStartX = 0;
        s.Game.DragStartY = 0;
    }

    // The flying card casts no shadow, except while several cards are carried in one go.
    const std::string savedShadow = s.Params.ReadParam(param::CardsShadowed, 1);
    if (s.Game.MultiCardFill != 1)
        s.Params.WriteParam(param::CardsShadowed, 1, "N");

    const TableRect& d = s.DragRect;
    view.Repaint({d.left + shadow - 1, d.bottom, d.right + shadow, d.bottom + shadow});
    view.Repaint({d.right, d.top + shadow - 2, d.right + shadow, d.bottom + shadow});

    while (step != 0) {
        major.pos += step;
        major.Clamp();
        const int p = static_cast<int>(std::abs(major.pos - major.start) * 100.0 / distance + 0.5);
        minor.pos = minor.start + (minor.target - minor.start) * p / 100;
        minor.Clamp();
        major.Clamp();
        if (fast) {
            if (r / 2 > 0)
                view.PauseBusy(IsXPOrLater() ? r / 2 : r / 4);
        } else if (r > 0) {
            view.PauseBusy(r);
        }
        if (ax.arrived && ay.arrived)
            break;
        view.MoveDragImage(ax.pos, ay.pos, false, false);
    }

    s.Params.WriteParam(param::CardsShadowed, 1, savedShadow);

    int finalX = ax.pos, finalY = ay.pos;
    if (step == 0)
        finalX = toX, finalY = toY;
    if (withShadow) {
        view.MoveDragImage(toX, toY, false, true);
        finalX = toX + shadow;
        finalY = toY + shadow;
        if (r > 0)
            view.PauseBusy(2 * r);
    }
    if (!view.MoveDragImage(finalX, finalY, commit, true) && commit)
        view.CommitDragImage(finalX, finalY + s.Game.ScrollOffset);
}

void HopCard(Session& s, int card, int pileIndex, int x, int y) {
    TableView& view = View(s);
    FlyCard(s, card, x, y, x - 30, y - 30, true, true, true, false);
    view.PauseBusy(10);
    FlyCard(s, card, x - 30, y - 30, x, y, true, true, true, false);
    view.DrawCard(card, x, y, Surface::Both, pileIndex);
    view.Repaint({x - 30, y - 30, x + s.Metrics.CardWidth + 30, y + s.Metrics.CardHeight + 30});
    view.PauseBusy(50);
}

} // namespace quillon
