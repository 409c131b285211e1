// A static page on Ohm's law: the formula I = V / R built from four labels,
// "V" underlined above "R" so that the underline is the fraction bar.

#include "ui/form.h"
#include "ui/window_registry.h"
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
    ControlDef{0, PictureBox, "Picture1", u"", 8400, 180, 2295, 1575, {}, {}, {}, &logos::kNarrow},
    ControlDef{1, Label, "Label1", u"What is Ohm's Law", 240, 180, 3735, 555, kSans18Bold},
    ControlDef{2, Label, "Label2",
               u"Ohm's Law is the relationship between Voltage, Current and Resistance.   In a DC "
               u"circuit,  Current is directly propotional to Voltage and inversely propotional to "
               u"Resistance.",
               180, 960, 7395, 1095, kSans12},
    // A screen reader skips single letters when it reads the page as it opens,
    // so the formula's first label speaks for the whole of it.
    ControlDef{3, Label, "Label3", u"I", 300, 2460, 375, 615, kSans24Bold, {}, {}, {}, {}, {},
               u"I = V / R"},
    ControlDef{4, Label, "Label4", u"=", 840, 2460, 615, 495, kSans24Bold},
    ControlDef{5, Label, "Label5", u"V", 1560, 2340, 675, 495, kSans24BoldUnderlined},
    ControlDef{6, Label, "Label6", u"R", 1560, 2880, 735, 495, kSans24Bold},
    ControlDef{7, Label, "Label7", u"Volt", 420, 3840, 1095, 375, kSans975Bold},
    ControlDef{8, Label, "Label8", u"Ampere", 420, 4500, 1095, 495, kSans975Bold},
    ControlDef{9, Label, "Label9", u"Ohm", 420, 5220, 1155, 495, kSans975Bold},
    ControlDef{10, Label, "Label10",
               u"The practical unit for measuring the electromotive force (emf). A current of one "
               u"Ampere flowing through a resistance of one Ohm, will create a potential "
               u"difference of one Volt in that conductor.",
               1680, 3780, 8595, 615, kSans975},
    ControlDef{11, Label, "Label11",
               u"One Ampere is equal to the Current flowing through a conductor having a "
               u"resistance of one Ohm when a potential difference of one Volt is applied across "
               u"it.",
               1680, 4500, 8655, 495, kSans975},
    ControlDef{12, Label, "Label12",
               u"An e.m.f of one Volt will cause a current of one Ampere through a resistance of "
               u"one Ohm.",
               1680, 5220, 8655, 495, kSans975},
    ControlDef{13, Button, "Command1", u"Main page", 9060, 2160, 1215, 495},
};

// Show the calculator before unloading this page, so that a window stays
// loaded throughout and the application goes on.
void mainPageClick(Form& self) {
    self.registry().show(kMain);
    self.unload();
}

constexpr std::array kActions{ActionDef{"Command1", mainPageClick}};

} // namespace

const WindowDef theoryWindow{
    kTheory, u"Ohm's  Law  Theory", 10875, 6600, StartUpPosition::CentreScreen, kControls, kActions,
    Reading::WholeWindow,
};

} // namespace ui::windows
