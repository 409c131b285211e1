#pragma once

// The one place where a window definition's units become Qt's: twips to
// device-independent pixels, points to QFont, 0x00BBGGRR and system colours
// to QColor, control kinds to widgets. Qt's high-DPI scaling takes it from
// there on larger screens.

#include "ui/window_definition.h"

#include <QColor>
#include <QFont>
#include <QMargins>
#include <QPalette>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <string_view>

class QWidget;

namespace ui {

class Form;

// 15 twips make one pixel at 96 DPI; rounds to the nearest pixel.
// Ex: twipsToPixels(2340) == 156, twipsToPixels(1095) == 73, twipsToPixels(8) == 1.
int twipsToPixels(int twips);

// Ex: toQColor(0x00C0FFFF, p) == QColor(255, 255, 192);
//     toQColor(kMenuBackground, p) == p.color(QPalette::Window).
// A system colour this program has no use for falls back to the button face.
QColor toQColor(Colour colour, const QPalette& palette);

// Ex: toQFont({u"Verdana", 9, true, false}) asks for 9 pt, weight 700, in the
//     face that stands in for Verdana here (resolveFace).
QFont toQFont(const Font& font);

// Builds a window's widgets from its definition into an empty, hidden form:
// object names, caption, client size, palette, fonts, controls, tab order,
// initial focus, what a screen reader is told (accessibility.h) and the wiring
// of every action by name.
void loadWindow(Form& form, const WindowDef& def);

// Gives a loaded form the colours of the desktop's theme of the moment: those
// its definition gives, or in a contrast theme (contrast_theme.h) the theme's
// system colours throughout, labels as button text on button face. Nothing
// else of the form changes: texts, selection, focus, geometry. The loader
// calls it when it builds a form, and again at every theme change.
// Ex: with the contrast theme on, Lbl_s paints palette().color(QPalette::Button)
//     where its definition gives 0x00C0E0FF.
void applyColours(Form& form);

// Where a window's frame goes (its top-left corner) when the whole window, its
// client area of size `client` grown by `frame`, is centred over `target`; kept
// inside `area` at the top and left, so that the title bar stays reachable.
// Ex: centredFramePosition({0, 0, 1280, 980}, {725, 440}, {}, area) == (277, 270);
//     with frame {0, 37, 0, 0} (a title bar) it is (277, 251): the client area
//     then sits 18 px lower than the frameless one's, at 288.
QPoint centredFramePosition(const QRect& target, QSize client, const QMargins& frame,
                            const QRect& area);

// Places a freshly loaded, not yet shown form by its start-up position. The
// owner (the main window, when loaded) matters only for CentreOwner.
void placeWindow(Form& form, const QWidget* owner);

} // namespace ui
