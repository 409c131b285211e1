// The calculator: three inputs, the result line, hints, and five buttons.

#include "calc/panel.h"
#include "ui/accessibility.h"
#include "ui/form.h"
#include "ui/window_registry.h"
#include "ui/windows/fonts.h"
#include "ui/windows/logos.h"
#include "ui/windows/windows.h"

#include <QLocale>
#include <array>
#include <string>

namespace ui::windows {
namespace {

using enum ControlKind;
using enum Alignment;
using namespace fonts;

constexpr std::array kControls{
    // tab, kind, name, caption, left, top, width, height, font, alignment, back colour, image,
    // labelFor, describes
    ControlDef{0, TextBox, "Txt_a", u"", 2340, 780, 1215, 495, kSans975},
    ControlDef{1, TextBox, "Txt_b", u"", 2340, 1440, 1215, 495, kSans975},
    ControlDef{2, TextBox, "Txt_c", u"", 2340, 2100, 1215, 495, kSans975},
    ControlDef{3, Button, "Command1", u"Solve", 9060, 2280, 1215, 495, kSans825Bold},
    ControlDef{4, Button, "Command2", u"Reset", 9060, 3180, 1215, 495, kSans825Bold},
    ControlDef{5, Button, "Command4", u"Ohm's Law", 9060, 4080, 1215, 495, kSans825Bold},
    ControlDef{6, Button, "Command3", u"About", 6840, 180, 1215, 495, kSans825Bold},
    ControlDef{7, Button, "Command5", u"Exit", 9060, 4980, 1215, 495, kSans825Bold},
    ControlDef{8, Label, "Label1", u"Voltage", 1080, 840, 1215, 495, kSans825Bold, Right, {}, {},
               "Txt_a"},
    ControlDef{9, Label, "Label2", u"Current", 1020, 1560, 1215, 495, kSans825Bold, Right, {}, {},
               "Txt_b"},
    ControlDef{10, Label, "Label3", u"Resistance", 1020, 2220, 1215, 495, kSans825Bold, Right, {},
               {}, "Txt_c"},
    ControlDef{11, Label, "Lbl_m", u"", 1500, 2820, 3075, 495, kSans975Bold, Centre, 0x00C0FFFF},
    ControlDef{12, Label, "Lbl_n", u"", 60, 2820, 1335, 495, kSans975Bold, Right, kMenuBackground},
    ControlDef{13, Label, "Lbl_p", u"*  Use  Tab  key to  navigate", 480, 5640, 4695, 495,
               kSans975Bold, Centre, 0x00C0FFC0},
    ControlDef{14, Label, "Lbl_q", u"", 4680, 2820, 1275, 495, kSans975Bold, Left, kMenuBackground},
    ControlDef{15, Label, "Lbl_r", u"*  Don't  enter  Zero ( 0 ) and  Negative  values ", 480, 4920,
               4695, 495, kSans975Bold, Centre, 0x00FFFFC0},
    ControlDef{16, Label, "Lbl_s", u"*  Enter  values only  in  two  fields  at  a  time.", 480,
               4200, 4695, 495, kSans975Bold, Centre, 0x00C0E0FF},
    ControlDef{17, PictureBox, "Picture1", u"", 8460, 180, 2235, 1575, {}, Left, {}, &logos::kNarrow},
    ControlDef{18, Label, "Label4", u"Volts", 3660, 960, 555, 495, {}, Left, {}, {}, {}, "Txt_a"},
    ControlDef{19, Label, "Label5", u"Amps", 3660, 1620, 495, 495, {}, Left, {}, {}, {}, "Txt_b"},
    ControlDef{20, Label, "Label6", u"Ohms", 3660, 2280, 555, 495, {}, Left, {}, {}, {}, "Txt_c"},
    ControlDef{21, Label, "Label7", u"Zentaro", 600, 120, 7155, 495, kSans18Bold},
};

// Where each text of the calculator panel lives on this window.
struct Binding {
    std::u16string calc::Panel::*field;
    std::string_view control;
};

constexpr std::array kPanelBinding{
    Binding{&calc::Panel::voltage, "Txt_a"},     Binding{&calc::Panel::current, "Txt_b"},
    Binding{&calc::Panel::resistance, "Txt_c"},  Binding{&calc::Panel::resultName, "Lbl_n"},
    Binding{&calc::Panel::resultValue, "Lbl_m"}, Binding{&calc::Panel::resultUnit, "Lbl_q"},
};

calc::Panel readPanel(const Form& self) {
    calc::Panel panel;
    for (const auto& b : kPanelBinding)
        panel.*b.field = self.text(b.control);
    return panel;
}

void writePanel(Form& self, const calc::Panel& panel) {
    for (const auto& b : kPanelBinding)
        self.setText(b.control, panel.*b.field);
}

// Results are written the way the user writes numbers, while input is read
// with "." only; a locale whose separator is not one code unit keeps ".".
char16_t decimalSeparator() {
    const QString point = QLocale().decimalPoint();
    return point.size() == 1 ? point.front().unicode() : u'.';
}

// The result line as a screen reader says it: "Resistance 2.5 Ohms", or the
// no-result marker alone, its name and unit being empty.
std::u16string spokenResult(const calc::Panel& panel) {
    std::u16string spoken;
    for (const std::u16string* part : {&panel.resultName, &panel.resultValue, &panel.resultUnit}) {
        if (part->empty())
            continue;
        if (!spoken.empty())
            spoken += u' ';
        spoken += *part;
    }
    return spoken;
}

void solveClick(Form& self) {
    calc::Panel panel = readPanel(self);
    calc::solve(
        panel, [&self] { self.registry().messageBox(calc::kZeroNotice); }, decimalSeparator());
    writePanel(self, panel);
    // The result is shown where the focus never goes; say it, after any notice.
    announce(self, spokenResult(panel));
}

void resetClick(Form& self) {
    // Reset writes every field, so there is nothing to read first.
    calc::Panel panel;
    calc::reset(panel);
    writePanel(self, panel);
}

void aboutClick(Form& self) { self.registry().show(kAbout); }
void theoryClick(Form& self) { self.registry().show(kTheory); }
void exitClick(Form& self) { self.unload(); }

constexpr std::array kActions{
    ActionDef{"Command1", solveClick}, ActionDef{"Command2", resetClick},
    ActionDef{"Command3", aboutClick}, ActionDef{"Command4", theoryClick},
    ActionDef{"Command5", exitClick},
};

} // namespace

const WindowDef mainWindow{
    kMain, u"Parvelin's  Zentaro", 10875, 6600, StartUpPosition::CentreScreen, kControls, kActions,
};

} // namespace ui::windows
