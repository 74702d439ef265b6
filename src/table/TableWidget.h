#pragma once
// The card table on screen: a widget that shows its own picture (TableDrawing::WindowImage). Every
// drawing operation paints the picture and asks for the changed rectangle at once; a paint request
// only copies the exposed part of the picture.
#include <QWidget>
#include <functional>

namespace quillon {

class TableDrawing;

class TableWidget : public QWidget {
public:
    explicit TableWidget(QWidget* parent = nullptr);
    // Binds the drawing whose window picture this widget shows, and routes its changes here.
    void Attach(TableDrawing* drawing);
    TableDrawing* Drawing() const { return drawing_; }

    // Called when the client area changes size (new width, height).
    std::function<void(int, int)> OnResize;
    // The pointer on the table, in window coordinates: button 0 left, 1 right, 2 middle; the
    // modifier set carries 4 for Ctrl. Unset handlers ignore the event.
    std::function<void(int button, int shift, int x, int y)> OnPress;
    std::function<void(int x, int y)> OnMove;
    std::function<void(int x, int y)> OnRelease;
    std::function<void()> OnDoubleClick;
    // While blocked, pointer input does not reach the handlers.
    bool InputBlocked = false;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    TableDrawing* drawing_ = nullptr;
};

} // namespace quillon
