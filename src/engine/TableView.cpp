#include "engine/TableView.h"

namespace quillon {

TableView& View(Session& s) {
    // Stateless: it draws nothing and remembers nothing, so one instance serves every session.
    static SilentTableView silent;
    return s.view ? *s.view : silent;
}

} // namespace quillon
