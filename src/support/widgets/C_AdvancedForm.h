#pragma once
// The base of the program's windows. Its windows are designed with the dialog font "Tahoma"; on a
// system without that font the window and the controls designed with it are switched to
// "MS Sans Serif" (the platform substitutes a real font for display), so no control is left
// asking for a font that is not there.

#include <QDialog>
#include <QStringList>

#include <functional>

class QWidget;

namespace quillon {

// The process-wide test for the preferred font: made at most once per run, by the first window
// created, and remembered.
class PreferredFont {
public:
    enum class State { Untested, Present, Absent };

    static constexpr const char* kPreferred = "Tahoma";
    static constexpr const char* kFallback = "MS Sans Serif";

    // True when a font family named "Tahoma" (compared without regard to case) is installed.
    // The font list is looked up on the first call only.
    static bool Present();
    static State Cached();

    // For tests: forget the answer, and replace the font list the test reads (nullptr restores
    // the system's font database). Lookups counts how often the list was read.
    static void ResetCache();
    static void SetFontLookup(std::function<QStringList()> lookup);
    static int Lookups();
};

// The fallback itself, for any window (also those not derived from C_TAdvancedForm, such as the
// main window and the standard message boxes). Does nothing while the preferred font is present.
// Otherwise the window's own font becomes "MS Sans Serif", and every label, group box, push button,
// panel, table, tab widget and combo box the window holds whose font family is exactly "Tahoma"
// gets "MS Sans Serif" (a tab widget when the font of its tabs is "Tahoma": both its font and its
// tabs' font). Other controls are left as they are.
void ApplyFontFallback(QWidget* window);

class C_TAdvancedForm : public QDialog {
public:
    explicit C_TAdvancedForm(QWidget* parent = nullptr, Qt::WindowFlags flags = {});

protected:
    // Windows call this at the end of their constructor, once their controls exist. When a window
    // forgets, the fallback still runs before it is first shown.
    void FinishDesign();

    bool event(QEvent* e) override;

private:
    bool designFinished_ = false;
};

} // namespace quillon
