#pragma once

// The one place where a window definition's units become Qt's: twips to
// device-independent pixels, points to QFont, 0x00BBGGRR and system colours
// to QColor, control kinds to widgets. Qt's high-DPI scaling takes it from
// there on larger screens.

#include "ui/window_definition.h"

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QPixmap>
#include <string>
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

// Ex: toQFont({u"Verdana", 9, true, false}) asks for Verdana, 9 pt, weight 700.
QFont toQFont(const Font& font);

// Lets the definitions' faces, MS Sans Serif and Verdana, resolve to installed
// fonts of about the same widths, so that captions keep their line breaks.
// Call once after the QApplication exists and before any window is loaded.
void registerFontSubstitutes();

// A stored picture as a pixmap for a screen of the given device pixel ratio.
// A picture may have twins in the resources: "@2x", drawn at twice the size,
// used where the ratio is above 1 and shown at the picture's own logical
// size; and ".pam", the same pixels uncompressed, preferred because it needs
// neither an image plugin nor decoding.
// Ex: loadPicture(":/logos/logo.jpg", 1) reads ":/logos/logo.pam" if the
//     resources hold it, else ":/logos/logo.jpg"; loadPicture(":/logos/logo.jpg",
//     1.5) reads ":/logos/logo@2x.pam" (or @2x.jpg), scales it to 1.5 times the
//     logical size and gives it device pixel ratio 1.5; with no @2x twin it
//     reads the 1x picture as at ratio 1.
QPixmap loadPicture(std::string_view resource, qreal devicePixelRatio);

// Builds a window's widgets from its definition into an empty, hidden form:
// object names, caption, client size, palette, fonts, controls, tab order,
// initial focus, accessible names and the wiring of every action by name.
void loadWindow(Form& form, const WindowDef& def);

// Places a freshly loaded, not yet shown form by its start-up position. The
// owner (the main window, when loaded) matters only for CentreOwner.
void placeWindow(Form& form, const QWidget* owner);

// The control of a loaded form with the given definition name, or nullptr.
QWidget* findControl(const Form& form, std::string_view name);

// A text box's text or a label's or button's caption, as the user sees it.
// Ex: a button defined with caption u"R&D" reads back as u"R&D" (no access key).
std::u16string captionOf(const QWidget& control);
void setCaption(QWidget& control, std::u16string_view caption);

} // namespace ui
