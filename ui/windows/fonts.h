#pragma once

// The faces and sizes the three windows use, named once so that the tables
// below read like the designer's property sheets.

#include "ui/window_definition.h"

namespace ui::fonts {

inline constexpr Font kSans825Bold{u"MS Sans Serif", 8.25, true, false};
inline constexpr Font kSans975{u"MS Sans Serif", 9.75, false, false};
inline constexpr Font kSans975Bold{u"MS Sans Serif", 9.75, true, false};
inline constexpr Font kSans12{u"MS Sans Serif", 12, false, false};
inline constexpr Font kSans135Bold{u"MS Sans Serif", 13.5, true, false};
inline constexpr Font kSans18Bold{u"MS Sans Serif", 18, true, false};
inline constexpr Font kSans24Bold{u"MS Sans Serif", 24, true, false};
inline constexpr Font kSans24BoldUnderlined{u"MS Sans Serif", 24, true, true};
inline constexpr Font kVerdana9Bold{u"Verdana", 9, true, false};

} // namespace ui::fonts
