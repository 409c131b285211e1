#pragma once

// Font faces: which installed face stands in for each of the designer's faces
// on this platform. Sizes, weights and the rest of a font are the loader's.

#include <QString>
#include <string_view>

namespace ui {

// Lets the definitions' faces, MS Sans Serif and Verdana, resolve to installed
// fonts of about the same widths, so that captions keep their line breaks.
// Call once after the QApplication exists and before any window is loaded.
void registerFontSubstitutes();

// The installed face to ask Qt for in place of a designer's face: the face
// itself where it is installed, else its first installed substitute, else the
// name as given (and Qt's own fallback).
// Ex: resolveFace(u"MS Sans Serif") == "Liberation Sans" on a Debian desktop.
QString resolveFace(std::u16string_view face);

} // namespace ui
