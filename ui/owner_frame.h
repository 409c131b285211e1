#pragma once

// The rectangle a window started over its owner is centred over. Qt's own
// idea of the owner's frame (QWidget::frameGeometry) can be stale where a
// window manager frames windows (X11): owner_frame_x11.cpp says why.

class QMargins;
class QRect;
class QWidget;

namespace ui {

// The owner's client area, where the window system has it now, grown by
// `frame`: the frame margins of the window about to be placed over it. Both
// windows are framed alike, so centring that window's frame over this
// rectangle puts its client centre over the owner's client centre.
// Ex: an owner with its client area at 277,270, 725 x 440, and frame
//     {0, 37, 0, 0} (a title bar) -> 277,233, 725 x 477.
QRect ownerFrame(const QWidget& owner, const QMargins& frame);

} // namespace ui
