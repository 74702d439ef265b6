#pragma once
// Swallows the player's input for the whole application while a sequence runs that must not be
// disturbed: the deal, the removal of a completed selection, the winning animation. Key presses
// and presses, releases and double clicks of the mouse buttons, on every window and on window
// frames, are discarded; everything else (painting, timers, pointer moves) goes on.
//
// Switching on and off nests: the filter is installed on the application at the first `Swallow(true)`
// and removed at the matching last `Swallow(false)`, so a removal inside a deal keeps the deal's
// swallowing in force.

#include <QObject>

namespace quillon {

class InputSwallower : public QObject {
public:
    // The one swallower of the application.
    static InputSwallower& Instance();

    void Swallow(bool on);
    bool Active() const { return depth_ > 0; }
    // How many events were discarded since the program started (for tests and diagnostics).
    long Discarded() const { return discarded_; }

    // Whether an event of this type is player input that the swallower discards.
    static bool IsSwallowed(int eventType);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    InputSwallower() = default;
    int depth_ = 0;
    long discarded_ = 0;
};

// Switches swallowing on for the life of the object.
class SwallowedInput {
public:
    SwallowedInput() { InputSwallower::Instance().Swallow(true); }
    ~SwallowedInput() { InputSwallower::Instance().Swallow(false); }
    SwallowedInput(const SwallowedInput&) = delete;
    SwallowedInput& operator=(const SwallowedInput&) = delete;
};

} // namespace quillon
