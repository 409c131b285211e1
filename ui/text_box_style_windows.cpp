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

// windows.h first: the theme's headers build on its types.
// clang-format off
#include <windows.h>
#include <uxtheme.h>
#include <vssym32.h>
// clang-format on

namespace ui {

namespace {

// The text box's frame as the theme draws it onto the screen: into a bitmap of
// the box's device size that already holds the box's fill, as the window's
// own bitmap does when the style draws there. Empty if Windows cannot draw it.
QImage themedFrame(QSize device, int state, QColor fill) {
    QImage frame;
    HTHEME theme = OpenThemeData(nullptr, L"Edit");
    if (theme == nullptr)
        return frame;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = device.width();
    info.bmiHeader.biHeight = -device.height(); // rows from the top, as QImage has them
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = dc ? CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0) : nullptr;
    if (bitmap != nullptr && bits != nullptr) {
        HGDIOBJ old = SelectObject(dc, bitmap);
        QImage canvas(static_cast<uchar*>(bits), device.width(), device.height(),
                      device.width() * 4, QImage::Format_RGB32);
        canvas.fill(fill);
        RECT whole{0, 0, device.width(), device.height()};
        DTBGOPTS options{};
        options.dwSize = sizeof(options);
        options.dwFlags = DTBG_CLIPRECT | DTBG_OMITCONTENT;
        options.rcClip = whole;
        if (SUCCEEDED(DrawThemeBackgroundEx(theme, dc, EP_EDITBORDER_NOSCROLL, state, &whole,
                                            &options))) {
            GdiFlush();
            // GDI leaves the alpha bytes as it likes; converting from RGB32
            // makes every pixel opaque, as the frame is.
            frame = canvas.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        }
        SelectObject(dc, old);
    }
    if (bitmap != nullptr)
        DeleteObject(bitmap);
    if (dc != nullptr)
        DeleteDC(dc);
    CloseThemeData(theme);
    return frame;
}

// Windows' own style (windowsvista) draws a text box's frame with the theme.
// On the screen it draws straight into the window's bitmap, and the frame is
// whole at any scale. Anywhere else (a window grabbed into a picture, the
// pictures it fades between when the box gains the focus or the mouse) it
// draws into an empty buffer, guesses the part's transparency from what came
// out, and keeps a border strip that it scales back to logical pixels. Where
// the theme leaves the buffer's alpha empty (Wine's does) only the frame's
// corners survive the guess, and at a fractional scale (125, 150, 175 %) the
// scaling rounds the right and bottom strips away. So off the screen the
// frame is drawn here, as on the screen, in device pixels, and put down pixel
// for pixel, its inside left as the box has painted it.
class WholeFrames final : public QProxyStyle {
public:
    explicit WholeFrames(QStyle* base) : QProxyStyle(base) {}

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        if (element != PE_FrameLineEdit || widget == nullptr || drawsOnScreen(*painter, *widget)) {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            return;
        }
        const qreal ratio = widget->devicePixelRatio();
        // Rounded as the style rounds it on the screen, so both frames agree.
        const QRect device = QRectF(QPointF(), QSizeF(option->rect.size()) * ratio).toRect();
        QImage frame = device.isEmpty() ? QImage()
                                        : themedFrame(device.size(), stateOf(option->state),
                                                      option->palette.base().color());
        if (frame.isNull()) {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            return;
        }
        // The style keeps two logical pixels of border; so does this, in device
        // pixels rounded up, and leaves the rest of the box untouched.
        const int border = static_cast<int>(std::ceil(2 * ratio));
        {
            QPainter inside(&frame);
            inside.setCompositionMode(QPainter::CompositionMode_Clear);
            inside.fillRect(device.adjusted(border, border, -border, -border), Qt::transparent);
        }
        frame.setDevicePixelRatio(ratio);
        painter->drawImage(option->rect.topLeft(), frame);
    }

private:
    // The theme's state for a box in this state, as the style picks it.
    static int stateOf(QStyle::State state) {
        if (!(state & State_Enabled))
            return ETS_DISABLED;
        if (state & State_ReadOnly)
            return ETS_READONLY;
        if (state & State_HasFocus)
            return ETS_SELECTED;
        if (state & State_MouseOver)
            return ETS_HOT;
        return ETS_NORMAL;
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
    // Only the native style has the fault; a style the user chose, or the
    // classic one of a contrast theme, is kept.
    if (QApplication::style()->name() != QLatin1String("windowsvista"))
        return nullptr;
    static QStyle* const style = [] {
        auto* proxy = new WholeFrames(QStyleFactory::create(QStringLiteral("windowsvista")));
        proxy->setParent(qApp);
        return proxy;
    }();
    return style;
}

} // namespace ui
