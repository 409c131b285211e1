#include "ui/text_box_style.h"

#include <QApplication>
#include <QBackingStore>
#include <QImage>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>
#include <QWidget>
#include <cmath>

namespace ui {

namespace {

// Windows' own style (windowsvista) draws a text box's frame with the theme.
// On the screen it draws straight into the window's backing store, and the
// frame is whole at any scale. Anywhere else (a window grabbed into a picture,
// the pictures it fades between when the box gains the focus or the mouse) it
// draws into a buffer of the box's size in device pixels and keeps only the
// frame by clipping to a border strip that it scales back to logical pixels.
// At a fractional scale (125, 150, 175 %) that scaling rounds the right and
// bottom strips, each less than a logical pixel wide and at a fractional
// position, down to nothing, and the box loses those two lines. There the
// frame is drawn here instead: by the same style, in device pixels, into a
// picture of the box's device size, which is then put down pixel for pixel.
class WholeFrames final : public QProxyStyle {
public:
    explicit WholeFrames(QStyle* base) : QProxyStyle(base) {}

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        if (element != PE_FrameLineEdit || widget == nullptr || !fractional(*widget) ||
            drawsOnScreen(*painter, *widget)) {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            return;
        }
        const qreal ratio = widget->devicePixelRatio();
        // Rounded as the style rounds it on the screen, so both frames agree.
        const QRect device = QRectF(QPointF(), QSizeF(option->rect.size()) * ratio).toRect();
        QImage frame(device.size(), QImage::Format_ARGB32_Premultiplied);
        frame.fill(Qt::transparent);
        {
            QPainter framePainter(&frame);
            // Without a widget and its fading, the style draws the frame of
            // the option's state at one pixel per unit: here a device pixel.
            const auto inDevicePixels = [&](auto copy) {
                copy.rect = device;
                copy.styleObject = nullptr;
                QProxyStyle::drawPrimitive(element, &copy, &framePainter, nullptr);
            };
            if (const auto* box = qstyleoption_cast<const QStyleOptionFrame*>(option))
                inDevicePixels(*box);
            else
                inDevicePixels(*option);
        }
        frame.setDevicePixelRatio(ratio);
        painter->drawImage(option->rect.topLeft(), frame);
    }

private:
    static bool fractional(const QWidget& widget) {
        const qreal ratio = widget.devicePixelRatio();
        return ratio != std::floor(ratio);
    }

    // Where the style draws straight into the window (the same test it makes).
    static bool drawsOnScreen(const QPainter& painter, const QWidget& widget) {
        const QPaintDevice* device = painter.paintEngine()->paintDevice();
        if (device->devType() == QInternal::Widget)
            return true;
        QBackingStore* store = widget.window()->backingStore();
        return device->devType() == QInternal::Image && store != nullptr &&
               store->paintDevice() == device;
    }
};

} // namespace

QStyle* textBoxStyle() {
    // Only the native style has the fault; a style the user chose is kept.
    static QStyle* const style = []() -> QStyle* {
        if (QApplication::style()->name() != QLatin1String("windowsvista"))
            return nullptr;
        auto* proxy = new WholeFrames(QStyleFactory::create(QStringLiteral("windowsvista")));
        proxy->setParent(qApp);
        return proxy;
    }();
    return style;
}

} // namespace ui
