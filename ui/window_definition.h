#pragma once

// A window is constant data in the units its designer worked in: twips for
// positions and sizes (1/1440 inch, 15 to a pixel at 96 DPI), points for
// fonts, 0x00BBGGRR for colours. Only the loader turns these into Qt terms.

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace ui {

class Form;

enum class ControlKind : std::uint8_t { Button, TextBox, Label, PictureBox };

enum class Alignment : std::uint8_t { Left, Right, Centre };

// Where a window is placed when it is loaded.
enum class StartUpPosition : std::uint8_t { CentreOwner = 1, CentreScreen = 2 };

struct Font {
    std::u16string_view face;
    double points = 8.25;
    bool bold = false;
    bool underline = false;
};

// 0x00BBGGRR, or a system colour when the top bit is set: 0x800000nn names
// the system colour with index nn (4 is the menu background).
using Colour = std::uint32_t;
inline constexpr Colour kSystemColourFlag = 0x80000000u;
constexpr Colour systemColour(std::uint8_t index) { return kSystemColourFlag | index; }
inline constexpr Colour kMenuBackground = systemColour(4);

// A stored image: a Qt resource path plus what a screen reader says of it.
struct Image {
    std::string_view resource;
    std::u16string_view description;
};

struct ControlDef {
    int tabIndex = 0;
    ControlKind kind = ControlKind::Label;
    std::string_view name;        // the Qt object name
    std::u16string_view caption;  // button or label text; a text box's initial text
    int left = 0, top = 0, width = 0, height = 0; // twips
    std::optional<Font> font;     // nullopt: the window's default font
    Alignment alignment = Alignment::Left;
    std::optional<Colour> backColour; // nullopt: the button face
    const Image* image = nullptr;     // picture boxes only
    std::string_view labelFor;        // a label naming another control (its accessible name)
    std::string_view describes;       // a label qualifying another control, as a unit does
                                      // (its accessible description)
    std::u16string_view spoken;       // what a screen reader reads instead of the caption
};

// What a screen reader reads as the window opens: its title and the focused
// control, as for any main window, or first all of its text, as for a dialog.
enum class Reading : std::uint8_t { FocusedControl, WholeWindow };

// A button's action, wired by control name; it gets the window it belongs to.
using Action = void (*)(Form& self);

struct ActionDef {
    std::string_view control;
    Action run;
};

struct WindowDef {
    std::string_view name; // the Qt object name, and the key services use
    std::u16string_view caption;
    int clientWidth = 0, clientHeight = 0; // twips
    StartUpPosition startUp = StartUpPosition::CentreScreen;
    std::span<const ControlDef> controls;
    std::span<const ActionDef> actions;
    Reading reading = Reading::FocusedControl;
};

inline constexpr Font kDefaultWindowFont{u"MS Sans Serif", 8.25, false, false};

} // namespace ui
