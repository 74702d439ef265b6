#include "support/widgets/C_AdvancedForm.h"

#include <QComboBox>
#include <QEvent>
#include <QFontDatabase>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>

#include <cstring>

namespace quillon {

namespace {

struct FontCache {
    PreferredFont::State state = PreferredFont::State::Untested;
    std::function<QStringList()> lookup;
    int lookups = 0;
};

FontCache& Cache() {
    static FontCache cache;
    return cache;
}

bool IsPreferred(const QFont& font) {
    return font.family() == QLatin1String(PreferredFont::kPreferred);
}

void UseFallback(QWidget* w) {
    QFont f = w->font();
    f.setFamily(QString::fromLatin1(PreferredFont::kFallback));
    w->setFont(f);
}

// A panel: a plain frame, or a frame class of the program's own, but not one of the toolkit's
// other frame-based controls (labels, lists, text boxes, splitters and the like).
bool IsPanel(const QWidget* w) {
    for (const QMetaObject* m = w->metaObject(); m; m = m->superClass()) {
        const char* name = m->className();
        if (name[0] == 'Q')
            return std::strcmp(name, "QFrame") == 0;
    }
    return false;
}

} // namespace

bool PreferredFont::Present() {
    FontCache& c = Cache();
    if (c.state == State::Untested) {
        ++c.lookups;
        QStringList families = c.lookup ? c.lookup() : QFontDatabase::families();
        bool found = false;
        for (const QString& family : families)
            if (family.compare(QLatin1String(kPreferred), Qt::CaseInsensitive) == 0) {
                found = true;
                break;
            }
        c.state = found ? State::Present : State::Absent;
    }
    return c.state == State::Present;
}

PreferredFont::State PreferredFont::Cached() {
    return Cache().state;
}

void PreferredFont::ResetCache() {
    Cache().state = State::Untested;
    Cache().lookups = 0;
}

void PreferredFont::SetFontLookup(std::function<QStringList()> lookup) {
    Cache().lookup = std::move(lookup);
}

int PreferredFont::Lookups() {
    return Cache().lookups;
}

void ApplyFontFallback(QWidget* window) {
    if (!window || PreferredFont::Present())
        return;
    UseFallback(window);
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
            if (IsPreferred(tabs->tabBar()->font())) {
                UseFallback(tabs);
                UseFallback(tabs->tabBar());
            }
            continue;
        }
        bool listed = qobject_cast<QLabel*>(w) || qobject_cast<QGroupBox*>(w) ||
                      qobject_cast<QPushButton*>(w) || qobject_cast<QTableView*>(w) ||
                      qobject_cast<QComboBox*>(w) || IsPanel(w);
        if (listed && IsPreferred(w->font()))
            UseFallback(w);
    }
}

C_TAdvancedForm::C_TAdvancedForm(QWidget* parent, Qt::WindowFlags flags) : QDialog(parent, flags) {
    // The window's own font is settled now; its controls are checked when the design is finished.
    ApplyFontFallback(this);
}

void C_TAdvancedForm::FinishDesign() {
    designFinished_ = true;
    ApplyFontFallback(this);
}

bool C_TAdvancedForm::event(QEvent* e) {
    if (e->type() == QEvent::Polish && !designFinished_)
        FinishDesign();
    return QDialog::event(e);
}

} // namespace quillon
