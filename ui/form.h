#pragma once

// A loaded window: the widgets the loader built from a WindowDef. Actions get
// the Form they belong to and reach everything else through it.

#include "ui/window_definition.h"

#include <QWidget>
#include <string>
#include <string_view>

namespace ui {

class WindowRegistry;

class Form : public QWidget {
    Q_OBJECT
public:
    Form(const WindowDef& def, WindowRegistry& registry);

    const WindowDef& definition() const { return m_def; }
    WindowRegistry& registry() const { return m_registry; }

    // The control with the given definition name, or nullptr.
    QWidget* control(std::string_view name) const;

    // The text of a text box, or the caption of a label or button, as the
    // user sees it.
    // Ex: after the user types "10" into Txt_a, text("Txt_a") == u"10"; a
    //     button defined with caption u"R&D" reads back as u"R&D" (no access key).
    std::u16string text(std::string_view control) const;
    void setText(std::string_view control, std::u16string_view value);

    // Unloads this window, exactly as its close box does.
    void unload();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget& requireControl(std::string_view name) const;

    const WindowDef& m_def;
    WindowRegistry& m_registry;
};

} // namespace ui
