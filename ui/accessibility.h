#pragma once

// What a screen reader learns of a window beyond what Qt tells it unasked:
// the window's role, the names and descriptions that labels give to other
// controls, and messages spoken without moving the focus. Nothing here
// changes a pixel or the focus order.

#include <string_view>

namespace ui {

class Form;

// Makes Qt ask this program for the roles of its windows and announcers, and
// for what its text boxes say.
// Idempotent; must run before a window exists, or Qt keeps its default role.
void installAccessibleRoles();

// Reads a freshly loaded form's definition for what labels say of other
// controls, and makes its text boxes speak as Tab enters them. The roles must
// be installed (installAccessibleRoles) before the form was created.
// Ex: Label1 u"Voltage" labelFor "Txt_a" and Label4 u"Volts" describes
//     "Txt_a": focusing Txt_a says "Voltage text. Volts".
void makeAccessible(Form& form);

// Has a screen reader say the text once, the focus staying where it is; if
// the form is not the active window (a message box has just closed), once it
// is active again, so that the window's own announcement cannot cut it off.
// Ex: announce(form, u"Resistance 2.5 Ohms").
void announce(Form& form, std::u16string_view text);

} // namespace ui
