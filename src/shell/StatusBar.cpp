#include "shell/StatusBar.h"

#include "table/ImageResources.h"

#include <QCursor>
#include <QPainter>
#include <QStyleOption>

namespace quillon {

namespace {

// The suit codes of a rule text and their pictures.
const char* SuitPicture(std::string_view code) {
    if (code == "[h]")
        return "SUIT_HEARTS";
    if (code == "[d]")
        return "SUIT_DIAMONDS";
    if (code == "[c]")
        return "SUIT_CLUBS";
    if (code == "[s]")
        return "SUIT_SPADES";
    return nullptr;
}

} // namespace

TsbStatusBar::TsbStatusBar(ImageResources& images, QWidget* parent) : QStatusBar(parent), images_(images) {
    setObjectName("sbStatusBar");
    QFont font("Tahoma");
    font.setPixelSize(11);
    setFont(font);
    setSizeGripEnabled(false);
    setMinimumHeight(QFontMetrics(font).height() + 8);
}

QImage TsbStatusBar::Picture(const std::string& name) {
    auto it = pictures_.find(name);
    if (it != pictures_.end())
        return it->second;
    QImage img;
    images_.LoadImageResource(img, name);
    if (!img.isNull() && !img.hasAlphaChannel()) {
        // Pictures without transparency take the colour of their top-left pixel as transparent.
        const QImage mask = img.createMaskFromColor(img.pixel(0, 0), Qt::MaskOutColor);
        img = img.convertToFormat(QImage::Format_ARGB32);
        img.setAlphaChannel(mask);
    }
    pictures_[name] = img;
    return img;
}

void TsbStatusBar::SetPanels(const PileHintTexts& texts) {
    if (texts == texts_)
        return;
    texts_ = texts;
    if (texts_.kind.empty())
        repaint();
    else
        update();
}

int TsbStatusBar::PanelWidth(int panel) const {
    const int w = kPanelWidths[static_cast<size_t>(panel)];
    // The widths fit the kind words, the longest rule text and the redeal texts in Tahoma; a wider font
    // standing in for it widens these panels so that their texts still fit.
    const QFontMetrics fm(font());
    if (panel == 0)
        return std::max(w, 3 + 16 + 3 + fm.horizontalAdvance("Foundation") + 3);
    if (panel == 4)
        return std::max(w, 3 + fm.horizontalAdvance("Unlimited redeals") + 3);
    if (panel == 3)
        return std::max(w,
                        3 +
                            fm.horizontalAdvance(
                                "The top card is available for play to the foundations or to the tableau") +
                            3);
    return w;
}

QRect TsbStatusBar::PanelRect(int panel) const {
    int x = 0;
    for (int i = 0; i < panel; ++i)
        x += PanelWidth(i) + 2;
    const int w = panel == 5 ? std::max(PanelWidth(5), width() - x) : PanelWidth(panel);
    return QRect(x, 2, w, height() - 3);
}

void TsbStatusBar::sbStatusBarDrawPanel(QPainter& p, int panel, const QRect& rect) {
    const QFontMetrics fm(font());
    // The text's top lies at the panel's top; Qt draws from the baseline.
    const int y = rect.top();
    const int baseline = y + fm.ascent() + 1;
    p.setPen(palette().color(QPalette::WindowText));
    auto text = [&](int x, const std::string& t) {
        p.drawText(x, baseline, QString::fromStdString(t));
        return fm.horizontalAdvance(QString::fromStdString(t));
    };
    switch (panel) {
    case 0: {
        int x = rect.left() + 3;
        if (!texts_.picture.empty()) {
            const QImage pic = Picture(texts_.picture);
            p.drawImage(x, y, pic);
            x += pic.width() + 3;
        } else {
            x += 3;
        }
        text(x, texts_.kind);
        break;
    }
    case 1: {
        const int w = fm.horizontalAdvance(QString::fromStdString(texts_.count));
        text(rect.left() + (rect.width() - w) / 2, texts_.count);
        break;
    }
    case 2:
        text(rect.left() + 3, texts_.cards);
        break;
    case 4:
        text(rect.left() + 3, texts_.redeals);
        break;
    case 3: {
        int x = rect.left() + 3;
        const std::string& rule = texts_.rule;
        size_t at = 0;
        while (at < rule.size()) {
            const size_t open = rule.find('[', at);
            x += text(x, rule.substr(at, open == std::string::npos ? std::string::npos : open - at));
            if (open == std::string::npos)
                break;
            // A suit code is drawn as its picture; any other "[" group of three characters is
            // dropped with it.
            if (const char* name = SuitPicture(std::string_view(rule).substr(open, 3))) {
                const QImage pic = Picture(name);
                p.drawImage(x, y + 2, pic);
                x += pic.width();
            }
            at = open + 3;
        }
        break;
    }
    default:
        break;
    }
}

void TsbStatusBar::paintEvent(QPaintEvent* event) {
    if (!currentMessage().isEmpty()) {
        QStatusBar::paintEvent(event);
        return;
    }
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Window));
    p.setFont(font());
    for (int panel = 0; panel < static_cast<int>(kPanelWidths.size()); ++panel) {
        const QRect r = PanelRect(panel);
        // A sunken frame around each panel.
        p.setPen(palette().color(QPalette::Mid));
        p.drawLine(r.topLeft() + QPoint(-1, -1), r.topRight() + QPoint(1, -1));
        p.drawLine(r.topLeft() + QPoint(-1, -1), r.bottomLeft() + QPoint(-1, 0));
        p.setPen(palette().color(QPalette::Light));
        p.drawLine(r.bottomLeft() + QPoint(-1, 1), r.bottomRight() + QPoint(1, 1));
        p.drawLine(r.topRight() + QPoint(1, -1), r.bottomRight() + QPoint(1, 1));
        p.save();
        p.setClipRect(r);
        sbStatusBarDrawPanel(p, panel, r);
        p.restore();
    }
}

bool PointerOverTable(const QWidget* window, const QWidget* table) {
    if (!window || !table)
        return false;
    const QPoint at = QCursor::pos();
    const QRect frame = window->frameGeometry();
    const int tableTop = table->mapToGlobal(QPoint(0, 0)).y();
    return at.x() > frame.left() && at.x() < frame.right() && at.y() > tableTop && at.y() < frame.bottom();
}

} // namespace quillon
