#include "ui/form.h"

#include "ui/loader.h"
#include "ui/window_registry.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace ui {

namespace {

// Buttons have no access keys: an '&' in a caption is shown as typed, which
// Qt spells "&&".
QString escapeAmpersands(QString caption) {
    return caption.replace(u'&', QStringLiteral("&&"));
}

QString unescapeAmpersands(QString caption) {
    return caption.replace(QStringLiteral("&&"), QStringLiteral("&"));
}

} // namespace

Form::Form(const WindowDef& def, WindowRegistry& registry) : m_def(def), m_registry(registry) {
    loadWindow(*this, def);
}

QWidget* Form::control(std::string_view name) const {
    return findChild<QWidget*>(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())),
                               Qt::FindDirectChildrenOnly);
}

// Control names come from constant definitions, so a wrong one is a
// programming error: stop at once rather than act on the wrong control.
QWidget& Form::requireControl(std::string_view name) const {
    QWidget* found = control(name);
    if (found == nullptr)
        qFatal("window %s has no control %.*s", m_def.name.data(), static_cast<int>(name.size()),
               name.data());
    return *found;
}

std::u16string Form::text(std::string_view name) const {
    const QWidget& c = requireControl(name);
    if (const auto* edit = qobject_cast<const QLineEdit*>(&c))
        return edit->text().toStdU16String();
    if (const auto* button = qobject_cast<const QPushButton*>(&c))
        return unescapeAmpersands(button->text()).toStdU16String();
    if (const auto* label = qobject_cast<const QLabel*>(&c))
        return label->text().toStdU16String();
    return {};
}

void Form::setText(std::string_view name, std::u16string_view value) {
    QWidget& c = requireControl(name);
    const QString text = QString::fromUtf16(value.data(), static_cast<qsizetype>(value.size()));
    if (auto* edit = qobject_cast<QLineEdit*>(&c))
        edit->setText(text);
    else if (auto* button = qobject_cast<QPushButton*>(&c))
        button->setText(escapeAmpersands(text));
    else if (auto* label = qobject_cast<QLabel*>(&c))
        label->setText(text);
}

void Form::unload() {
    m_registry.unloadForm(*this);
}

void Form::closeEvent(QCloseEvent* event) {
    event->accept();
    m_registry.unloadForm(*this);
}

} // namespace ui
