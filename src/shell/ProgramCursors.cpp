#include "shell/ProgramCursors.h"

#include "platform/ResourceCatalog.h"
#include "platform/ResourceLibrary.h"
#include "table/ImageResources.h"

#include <QPixmap>

#include <cstdlib>

namespace quillon {

void ProgramCursors::Load(const ResourceLibrary& library) {
    cursors_.clear();
    for (int i = 0; i < 12; ++i) {
        const CursorResource res = library.Cursor(kCursorNames[i]);
        const QImage picture = DecodeImage(res.image);
        if (picture.isNull())
            continue;
        // The hot spot must lie on the picture; a damaged one points at the top-left corner.
        const bool hotInside =
            res.hotX >= 0 && res.hotY >= 0 && res.hotX < picture.width() && res.hotY < picture.height();
        const int number = (i < 6 ? 10 : 20) + i % 6;
        cursors_[number] =
            QCursor(QPixmap::fromImage(picture), hotInside ? res.hotX : 0, hotInside ? res.hotY : 0);
    }
    cursors_[30] = QCursor(Qt::PointingHandCursor);
}

QCursor ProgramCursors::Cursor(int number) const {
    auto it = cursors_.find(number);
    return number == 10 || it == cursors_.end() ? QCursor(Qt::ArrowCursor) : it->second;
}

QCursor ProgramCursors::ForSetting(const std::string& setting, bool carrying) const {
    char* end = nullptr;
    const long value = std::strtol(setting.c_str(), &end, 10);
    if (end == setting.c_str() || value == 10 || value < 0 || value > 99)
        return QCursor(Qt::ArrowCursor);
    return Cursor(static_cast<int>(value) + (carrying ? 10 : 0));
}

} // namespace quillon
