#include "tests/ui/sample_windows.h"

#include "ui/form.h"
#include "ui/window_registry.h"

namespace ui::test {

namespace {

using enum ControlKind;
using enum Alignment;

constexpr Font kSans975{u"MS Sans Serif", 9.75, false, false};
constexpr Font kSans975Bold{u"MS Sans Serif", 9.75, true, false};
constexpr Font kSans24BoldUnderlined{u"MS Sans Serif", 24, true, true};
constexpr Font kVerdana9Bold{u"Verdana", 9, true, false};

constexpr Image kLogo{":/test/logo.xpm", u"Parvelin logo"};

template <std::size_t N> void record(Form& self) {
    static constexpr std::array<std::string_view, 2> kButtons{"Command1", "Command2"};
    ActionLog& log = actionLog();
    ++log.runs;
    log.form = &self;
    log.button = kButtons[N];
}

// Tab indices deliberately out of declaration order: focus must follow the
// indices, not the order the controls are created in.
constexpr std::array kSampleControls{
    ControlDef{2, TextBox, "Txt_a", u"", 2340, 780, 1215, 495, kSans975},
    ControlDef{0, PictureBox, "Picture1", u"", 8460, 180, 2235, 1575, {}, Left, {}, &kLogo},
    ControlDef{1, Button, "Command1", u"R&D", 9060, 2280, 1215, 495, kSans975Bold},
    ControlDef{
        3, Label, "Label1", u"Voltage", 1080, 840, 1215, 495, kSans975Bold, Right, {}, {}, "Txt_a"},
    ControlDef{4, Label, "Lbl_m", u"", 1500, 2820, 3075, 495, kSans975Bold, Centre, 0x00C0FFFF},
    ControlDef{5, Label, "Lbl_n", u"", 60, 2820, 1335, 495, kSans975Bold, Right, kMenuBackground},
    ControlDef{6, Label, "Lbl_p", u"*  Use  Tab  key to  navigate", 480, 5640, 4695, 495,
               kSans975Bold, Centre, 0x00C0FFC0},
    ControlDef{7, Label, "Label2",
               u"The practical unit for measuring the electromotive force (emf). A current of one "
               u"Ampere flowing through a resistance of one Ohm, will create a potential "
               u"difference of one Volt in that conductor.",
               1680, 3780, 8595, 615, kSans975},
    ControlDef{8, Label, "Label3", u"V", 1560, 2340, 675, 495, kSans24BoldUnderlined},
    ControlDef{9, Label, "Label4", u"Parvelin 2026", 7080, 4680, 2235, 435, kVerdana9Bold},
    ControlDef{10, Button, "Command2", u"Close", 9060, 360, 1215, 495},
    ControlDef{11, TextBox, "Txt_b", u"<i>typed</i>", 2340, 1440, 1215, 495},
    ControlDef{12, Label, "Label5", u"<b>not bold</b>", 3660, 960, 1500, 495},
    ControlDef{
        13, Label, "Label6", u"Reaches under R&D", 8460, 2280, 1500, 495, {}, Left, 0x00C0FFFF},
};
constexpr std::array kSampleActions{
    ActionDef{"Command1", record<0>},
    ActionDef{"Command2", record<1>},
};

template <std::size_t I> void exitWindow(Form& self) {
    self.unload();
}

template <std::size_t I> void showNextThenUnload(Form& self) {
    self.registry().show(kLifetimeNames[(I + 1) % kLifetimeNames.size()]);
    self.unload();
}

template <std::size_t I> struct Lifetime {
    static constexpr std::array controls{
        ControlDef{0, TextBox, "Txt_a", u"", 2340, 780, 1215, 495},
        ControlDef{1, Button, "Command1", u"Exit", 9060, 2280, 1215, 495},
        ControlDef{2, Button, "Command2", u"Next", 9060, 3180, 1215, 495},
    };
    static constexpr std::array actions{
        ActionDef{"Command1", exitWindow<I>},
        ActionDef{"Command2", showNextThenUnload<I>},
    };
    static constexpr WindowDef window{kLifetimeNames[I],
                                      u"Lifetime",
                                      6000,
                                      4500,
                                      I == 2 ? StartUpPosition::CentreOwner
                                             : StartUpPosition::CentreScreen,
                                      controls,
                                      actions};
};

constexpr std::array<const WindowDef*, 3> kLifetimeWindows{
    &Lifetime<0>::window, &Lifetime<1>::window, &Lifetime<2>::window};

} // namespace

ActionLog& actionLog() {
    static ActionLog log;
    return log;
}

const WindowDef kSampleWindow{"Frm_Sample",  u"Parvelin's  Sample",         10875,
                              6600,          StartUpPosition::CentreScreen, kSampleControls,
                              kSampleActions};

std::span<const WindowDef* const> lifetimeWindows() {
    return kLifetimeWindows;
}

} // namespace ui::test
