#include "engine/TableView.h"

#include "support/Pauses.h"

namespace quillon {

TableView& View(Session& s) {
    // Stateless: it draws nothing and remembers nothing, so one instance serves every session.
    static SilentTableView silent;
    return s.view ? *s.view : silent;
}

std::uint32_t TableView::Ticks() {
    return PauseClock().Ticks();
}

} // namespace quillon
