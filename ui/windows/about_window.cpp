// The maker's logo, the product's name and the maker's notice.

#include "ui/form.h"
#include "ui/windows/fonts.h"
#include "ui/windows/logos.h"
#include "ui/windows/windows.h"

#include <array>

namespace ui::windows {
namespace {

using enum ControlKind;
using namespace fonts;

constexpr std::array kControls{
    // tab, kind, name, caption, left, top, width, height, font, alignment, back colour, image
    ControlDef{0, PictureBox, "Picture1", u"", 3960, 480, 2655, 1575, {}, {}, {}, &logos::kWide},
    ControlDef{1, Button, "Command1", u"Close", 9060, 360, 1215, 495},
    ControlDef{2, Label, "Label1", u"Created by", 7080, 4200, 1035, 315},
    ControlDef{3, Label, "Label2", u"Parvelin 2026", 7080, 4680, 2235, 435, kVerdana9Bold},
    ControlDef{4, Label, "Label3", u"www.parvelin.example", 7080, 5220, 2895, 315, kVerdana9Bold},
    ControlDef{5, Label, "Label4", u"Zentaro", 3120, 2640, 4395, 495, kSans135Bold},
};

void closeClick(Form& self) { self.unload(); }

constexpr std::array kActions{ActionDef{"Command1", closeClick}};

} // namespace

const WindowDef aboutWindow{
    kAbout, u"About", 10755, 6600, StartUpPosition::CentreOwner, kControls, kActions,
};

} // namespace ui::windows
