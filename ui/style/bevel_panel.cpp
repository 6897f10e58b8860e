#include "ui/style/bevel_panel.h"

#include <QPainter>
#include <QPalette>

#include "ui/style/dialog_fit.h"

namespace tazkova::ui {

void DrawBevel(QPainter& painter, const QRect& r, const QColor& topLeft,
               const QColor& bottomRight) {
    if (r.width() <= 0 || r.height() <= 0) return;
    painter.fillRect(QRect(r.left(), r.top(), r.width(), 1), topLeft);
    painter.fillRect(QRect(r.left(), r.top(), 1, r.height()), topLeft);
    painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), bottomRight);
    painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), bottomRight);
}

void BevelPanel::AddBevel(const QRect& place, BevelStyle style) {
    bevels_.push_back({place, style});
    update();
}

void BevelPanel::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QColor light = palette().color(QPalette::Light);
    const QColor dark = palette().color(QPalette::Dark);
    for (const Outline& bevel : bevels_) {
        const QRect place = AtDialogScale(*this, bevel.place);
        switch (bevel.style) {
            case BevelStyle::Raised:
                DrawBevel(painter, place, light, dark);
                break;
            case BevelStyle::Lowered:
                DrawBevel(painter, place, dark, light);
                break;
            case BevelStyle::LoweredBox:
                DrawBevel(painter, place, dark, light);
                DrawBevel(painter, place.adjusted(1, 1, -1, -1), light, dark);
                break;
        }
    }
}

BevelPanel* MakePanel(QWidget* parent, const char* name, const QRect& geometry,
                      QFrame::Shadow shadow, int lineWidth, const QString& spoken,
                      const QColor& background) {
    auto* panel = new BevelPanel(parent);
    panel->setObjectName(QLatin1String(name));
    panel->setAccessibleName(spoken);
    panel->setGeometry(geometry);
    panel->setFrameStyle(lineWidth > 0 ? QFrame::Panel | shadow : QFrame::NoFrame);
    panel->setLineWidth(lineWidth);
    if (background.isValid()) {
        panel->setAutoFillBackground(true);
        QPalette palette = panel->palette();
        palette.setColor(QPalette::Window, background);
        palette.setColor(QPalette::WindowText, Qt::black);
        panel->setPalette(palette);
    }
    return panel;
}

}  // namespace tazkova::ui
