#pragma once

// Stored pictures: the logos and the icon, read from the resources with their
// uncompressed and high-DPI twins.

#include <QPixmap>
#include <string_view>

namespace ui {

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

} // namespace ui
