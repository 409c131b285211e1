#include "ui/window_registry.h"

#include "ui/form.h"
#include "ui/fonts.h"
#include "ui/loader.h"

#include <QApplication>
#include <QMessageBox>
#include <algorithm>

namespace ui {

WindowRegistry::WindowRegistry(std::span<const WindowDef* const> windows) {
    // Every window built from here on must find its faces, whoever runs it.
    registerFontSubstitutes();
    m_windows.reserve(windows.size());
    for (const WindowDef* def : windows)
        m_windows.push_back({def, nullptr});
}

WindowRegistry::~WindowRegistry() {
    // Nothing of ours is on the stack any more, so direct deletion is safe here.
    for (Window& window : m_windows)
        delete window.form.data();
    for (const QPointer<Form>& form : m_unloaded)
        delete form.data();
}

WindowRegistry::Window* WindowRegistry::find(std::string_view name) {
    auto it = std::find_if(m_windows.begin(), m_windows.end(),
                           [name](const Window& w) { return w.def->name == name; });
    return it == m_windows.end() ? nullptr : &*it;
}

const WindowRegistry::Window* WindowRegistry::find(std::string_view name) const {
    return const_cast<WindowRegistry*>(this)->find(name);
}

WindowRegistry::Window& WindowRegistry::require(std::string_view name) {
    Window* window = find(name);
    // Window names are constants of the program: an unknown one is a bug.
    if (window == nullptr)
        qFatal("no window named %.*s", static_cast<int>(name.size()), name.data());
    return *window;
}

Form& WindowRegistry::show(std::string_view name) {
    Window& window = require(name);
    if (window.form.isNull()) {
        window.form = new Form(*window.def, *this);
        const Form* main = m_windows.front().form.data();
        placeWindow(*window.form, main != window.form ? main : nullptr);
        window.form->show();
    }
    Form& form = *window.form;
    form.setWindowState((form.windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    form.raise();
    form.activateWindow();
    return form;
}

void WindowRegistry::unload(std::string_view name) {
    if (Form* form = require(name).form.data())
        unloadForm(*form);
}

void WindowRegistry::unloadForm(Form& form) {
    auto it = std::find_if(m_windows.begin(), m_windows.end(),
                           [&form](const Window& w) { return w.form == &form; });
    if (it == m_windows.end())
        return;
    it->form = nullptr;
    // The caller may be one of this form's own buttons, still inside its
    // clicked signal: hide now, and let the event loop delete it afterwards.
    form.hide();
    form.deleteLater();
    std::erase_if(m_unloaded, [](const QPointer<Form>& f) { return f.isNull(); });
    m_unloaded.emplace_back(&form);
    if (!anyLoaded())
        QCoreApplication::exit(0);
}

bool WindowRegistry::isLoaded(std::string_view name) const {
    return form(name) != nullptr;
}

Form* WindowRegistry::form(std::string_view name) const {
    const Window* window = find(name);
    return window == nullptr ? nullptr : window->form.data();
}

bool WindowRegistry::anyLoaded() const {
    return std::any_of(m_windows.begin(), m_windows.end(),
                       [](const Window& w) { return !w.form.isNull(); });
}

void WindowRegistry::messageBox(std::u16string_view text) {
    // Over the active window when it is one of ours and loaded, so the box
    // appears where the user is looking.
    QWidget* parent = nullptr;
    for (const Window& window : m_windows)
        if (!window.form.isNull() && window.form->isActiveWindow())
            parent = window.form;
    // On the heap and guarded: a parent destroyed while the box is open would
    // take the box with it.
    QPointer<QMessageBox> box = new QMessageBox(parent);
    box->setWindowTitle(QStringLiteral("Zentaro"));
    box->setIcon(QMessageBox::NoIcon);
    box->setTextFormat(Qt::PlainText);
    box->setText(QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size())));
    box->setStandardButtons(QMessageBox::Ok);
    box->setDefaultButton(QMessageBox::Ok);
    box->setWindowModality(Qt::ApplicationModal);
    box->exec();
    delete box.data();
}

} // namespace ui
