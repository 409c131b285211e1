#include "ui/accessibility.h"

#include "ui/form.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>

namespace ui {

namespace {

QString toQString(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

QAccessibleInterface* accessibleRole(const QString& className, QObject* object) {
    if (className == QLatin1String(Form::staticMetaObject.className())) {
        auto* form = static_cast<Form*>(object);
        // A window reads as a frame, its title and then the focused control; a
        // page meant to be read whole as it opens reads as a dialog, which is
        // what makes Orca speak its static text. The window system is not told:
        // for it the window stays a normal top-level one.
        const bool wholeWindow = form->definition().reading == Reading::WholeWindow;
        return new QAccessibleWidget(form, wholeWindow ? QAccessible::Dialog : QAccessible::Window);
    }
    return nullptr;
}

QWidget& relatedControl(const Form& form, const ControlDef& label, std::string_view target) {
    QWidget* found = form.control(target);
    if (found == nullptr)
        qFatal("window %s: label %s names a missing control", form.definition().name.data(),
               label.name.data());
    return *found;
}

} // namespace

void installAccessibleRoles() {
    QAccessible::installFactory(accessibleRole);
}

void makeAccessible(Form& form) {
    installAccessibleRoles();
    for (const ControlDef& c : form.definition().controls) {
        QWidget* control = form.control(c.name);
        if (!c.spoken.empty())
            control->setAccessibleName(toQString(c.spoken));
        auto* label = qobject_cast<QLabel*>(control);
        if (label == nullptr)
            continue;
        if (!c.labelFor.empty()) {
            QWidget& target = relatedControl(form, c, c.labelFor);
            target.setAccessibleName(label->text());
            // A buddy turns an '&' in the caption into an access key; skip it then.
            if (!label->text().contains(u'&'))
                label->setBuddy(&target);
        }
        if (!c.describes.empty())
            relatedControl(form, c, c.describes).setAccessibleDescription(label->text());
    }
}

} // namespace ui
