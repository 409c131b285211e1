#pragma once

// The style the loader gives the windows' text boxes where the platform's
// own style draws them wrongly; elsewhere the application's style is kept.
// Asked again whenever the application's style changes (a contrast theme
// turned on or off), so the answer follows the style of the moment.

class QStyle;

namespace ui {

// nullptr: keep the application's style. Owned by the application.
QStyle* textBoxStyle();

} // namespace ui
