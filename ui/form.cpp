#include "ui/form.h"

#include "ui/loader.h"
#include "ui/window_registry.h"

#include <QCloseEvent>

namespace ui {

namespace {

// Control names come from constant definitions, so a wrong one is a
// programming error: stop at once rather than act on the wrong control.
QWidget& requireControl(const Form& form, std::string_view name) {
    QWidget* control = findControl(form, name);
    if (control == nullptr)
        qFatal("window %s has no control %.*s", form.definition().name.data(),
               static_cast<int>(name.size()), name.data());
    return *control;
}

} // namespace

Form::Form(const WindowDef& def, WindowRegistry& registry) : m_def(def), m_registry(registry) {
    loadWindow(*this, def);
}

std::u16string Form::text(std::string_view control) const {
    return captionOf(requireControl(*this, control));
}

void Form::setText(std::string_view control, std::u16string_view value) {
    setCaption(requireControl(*this, control), value);
}

void Form::unload() {
    m_registry.unloadForm(*this);
}

void Form::closeEvent(QCloseEvent* event) {
    event->accept();
    m_registry.unloadForm(*this);
}

} // namespace ui
