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

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    TableDrawing* drawing_ = nullptr;
};

} // namespace quillon
