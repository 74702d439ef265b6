#include "shell/MoveHintCommand.h"

#include "engine/CardFlight.h"
#include "engine/CardPlaces.h"
#include "engine/TableView.h"
#include "model/Cards.h"
#include "model/Session.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <atomic>
#include <memory>
#include <thread>

namespace quillon {

namespace {

// What the worker thread owns: its own copy of the position, and what it found.
struct Search {
    Session copy;
    std::atomic<bool> stop{false};
    std::atomic<bool> done{false};
    MoveHint result;
};

std::string PositionOf(const Session& s) {
    std::string out;
    s.Piles.ForEach([&](const std::string& pile) { out += pile + "|"; });
    return out;
}

} // namespace

std::optional<MoveHint> MoveHintCommand::Search() {
    if (running_ || !s_.Flag(GameInPlay) || s_.Game.DragCard != 0)
        return std::nullopt;
    running_ = true;
    const std::string before = PositionOf(s_);
    auto search = std::make_shared<struct Search>();
    CopyPosition(s_, search->copy);
    const long positions = Positions;
    std::thread worker([search, positions] {
        search->result = FindMoveHint(search->copy, positions, [&] { return search->stop.load(); });
        search->done = true;
    });
    // The window goes on while the worker searches: events run in a loop of their own, which
    // ends when the worker is done or the time is up. The table takes no input meanwhile.
    View(s_).SetInputBlocked(true);
    QEventLoop loop;
    QElapsedTimer clock;
    clock.start();
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (search->done || clock.elapsed() >= BudgetMs)
            loop.quit();
    });
    poll.start();
    if (!search->done)
        loop.exec();
    poll.stop();
    search->stop = true;
    worker.join();
    View(s_).SetInputBlocked(false);
    running_ = false;
    if (!s_.Flag(GameInPlay) || PositionOf(s_) != before)
        return std::nullopt;
    return search->result;
}

std::string MoveHintCommand::Show(const MoveHint& hint) {
    if ((hint.kind == MoveHint::Kind::Winning || hint.kind == MoveHint::Kind::Best) && !hint.from.empty()) {
        const std::string* content = s_.Piles.Find(hint.from);
        const int depth = content ? PileFind(*content, hint.card) : -1;
        if (depth >= 0) {
            const int skip = PileSize(*content) - 1 - depth;
            const int x = CardPlaceX(s_, hint.from, skip, false);
            const int y = CardPlaceY(s_, hint.from, skip, false);
            const int tableau = PileKind(hint.from) == kTableauKind ? PileNumber(hint.from) - 1 : -1;
            HopCard(s_, hint.card, tableau, x, y);
            // The hop draws the one card back; the cards above it in its pile come back with it.
            if (skip > 0)
                View(s_).RedrawPile(hint.from, Surface::Both);
        }
    }
    return MoveHintText(hint);
}

std::string MoveHintCommand::Run() {
    const std::optional<MoveHint> hint = Search();
    return hint ? Show(*hint) : std::string();
}

} // namespace quillon
