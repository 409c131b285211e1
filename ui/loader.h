#pragma once

// The one place where a window definition's units become Qt's: twips to
// device-independent pixels, points to QFont, 0x00BBGGRR and system colours
// to QColor, control kinds to widgets. Qt's high-DPI scaling takes it from
// there on larger screens.

#include "ui/window_definition.h"

#include <QColor>
#include <QFont>
#include <QPalette>
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
