#pragma once

#include "ui/window_definition.h"

namespace ui::logos {

// Both show the maker's name in red on blue; the narrow one serves the
// calculator and the theory page, the wide one the about window.
inline constexpr Image kNarrow{":/logos/logo_150x101.jpg", u"Parvelin logo"};
inline constexpr Image kWide{":/logos/logo_175x101.jpg", u"Parvelin logo"};

} // namespace ui::logos
