#pragma once
// A small game laid out on the table for the play tests: 8 foundations in a row at y 10 building
// up in suit from the Ace, 10 tableau piles at y 150 fanned downwards building down in alternate
// colours (Kings on empty piles), 4 reserves at y 600; cards 71 x 96, 100 px apart. The recording
// view is installed, moves are not animated and no sound switch is on unless a test says so.

#include "RecordingTableView.h"
#include "TableSetup.h"
#include "engine/CardPlaces.h"
#include "engine/GameEnd.h"
#include "engine/MoveExecution.h"

namespace quillon::test {

// A card's rectangle with its top-left corner at (x, y) on the standard table (71 x 96).
inline TableRect At(int x, int y) {
    return {x, y, x + 71, y + 96};
}

class PlayTable : public Table {
public:
    static constexpr int kPitch = 100;
    static constexpr int kTableauTop = 150;

    PlayTable() {
        InstallPlayHooks(s);
        s.view = &view;
        for (int k = 0; k < 8; ++k) {
            s.Game.SetFoundationX(k, 10 + kPitch * k);
            s.Game.SetFoundationY(k, 10);
            Attrs(
                {{attr::FoundationBase + k, 1}, {attr::FoundationDir + k, 1}, {attr::FoundationRule + k, 0}});
        }
        for (int k = 0; k < 10; ++k) {
            s.TableauX[static_cast<size_t>(k)] = static_cast<std::int16_t>(10 + kPitch * k);
            s.TableauY[static_cast<size_t>(k)] = kTableauTop;
            Attrs({{attr::TableauEmpty + k, 13}, {attr::TableauDir + k, 0}, {attr::TableauRule + k, 3}});
        }
        for (int k = 0; k < 4; ++k) {
            s.Game.SetReserveX(k, 10 + kPitch * k);
            s.Game.SetReserveY(k, 600);
        }
        Attr(attr::TableauFan, 1);
        Attr(attr::AutoFaceUpAllowed, 1);
        s.Game.StepUpY = 20;
        s.Game.StepDownY = 5;
        s.Params.WriteParam(param::CardsAnimate, 1, "N");
        s.Params.WriteParam(param::CardsShadowed, 1, "N");
        s.Params.WriteParam(param::AutomaticFaceUp, 1, "Y");
        s.Params.WriteParam(param::ScoringScheme, 2, "01");
        s.Params.WriteParam(param::SpeedMoveCard, 2, "10");
        s.SetFlag(GameInPlay, true);
    }

    std::string PileText(const std::string& name) {
        const std::string* content = s.Piles.Find(name);
        return content ? *content : "?";
    }
    bool Move(const std::string& card, const std::string& target) {
        return ExecuteMove(s, Card(card), target);
    }
    bool Hidden(const std::string& card) { return s.Cards.CardIsHidden(Card(card)); }

    RecordingTableView view;
};

} // namespace quillon::test
