#include "ui/accessibility.h"

#include "ui/accessible_text_box.h"
#include "ui/form.h"
#include "ui/live_region.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <memory>
#include <utility>

namespace ui {

namespace {

QString toQString(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

// A message for screen readers only: a widget of one pixel that paints
// nothing, with the notification role. Orca speaks such an object as it
// becomes visible. That is the one way to be heard here: Orca 43 ignores a
// changed name, and Qt has announcement events only from 6.8 on. Where the
// platform needs more to be heard (Windows), its own live region speaks the
// same message at the same moment.
class Announcer : public QWidget {
    Q_OBJECT
public:
    explicit Announcer(Form& form)
        : QWidget(&form), m_form(form), m_platform(makePlatformLiveRegion(form)) {
        setObjectName(QStringLiteral("announcer"));
        setGeometry(0, 0, 1, 1);
        setFocusPolicy(Qt::NoFocus);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        hide();
        m_form.installEventFilter(this);
    }

    void announce(QString text) {
        m_pending = std::move(text);
        if (m_form.isActiveWindow())
            speakSoon();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &m_form && event->type() == QEvent::WindowActivate && !m_pending.isEmpty())
            speakSoon();
        return false;
    }

private:
    // Queued, so that the window's own focus news, sent when the event being
    // handled ends, is spoken first and does not cut the message off.
    void speakSoon() { QMetaObject::invokeMethod(this, &Announcer::speak, Qt::QueuedConnection); }

    void speak() {
        if (m_pending.isEmpty() || !m_form.isActiveWindow())
            return;
        const QString text = std::exchange(m_pending, QString());
        hide();
        setAccessibleName(text);
        show();
        if (m_platform)
            m_platform->say(text);
    }

    Form& m_form;
    std::unique_ptr<PlatformLiveRegion> m_platform;
    QString m_pending;
};

QAccessibleInterface* accessibleInterface(const QString& className, QObject* object) {
    if (className == QLatin1String(Form::staticMetaObject.className())) {
        auto* form = static_cast<Form*>(object);
        // A window reads as a frame, its title and then the focused control; a
        // page meant to be read whole as it opens reads as a dialog, which is
        // what makes Orca speak its static text. The window system is not told:
        // for it the window stays a normal top-level one.
        const bool wholeWindow = form->definition().reading == Reading::WholeWindow;
        return new QAccessibleWidget(form, wholeWindow ? QAccessible::Dialog : QAccessible::Window);
    }
    if (className == QLatin1String(Announcer::staticMetaObject.className()))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
    // Asked before Qt's own factory: the windows' text boxes, so that their
    // text is read whole (accessible_text_box.h); any other line edit is Qt's.
    if (className == QLatin1String(QLineEdit::staticMetaObject.className()) &&
        qobject_cast<Form*>(object->parent()) != nullptr)
        return new AccessibleTextBox(static_cast<QLineEdit*>(object));
    return nullptr;
}

// A text box entered by Tab selects its whole text, so that typing replaces
// it, as the native edit fields of Windows and GTK do; the sighted user sees
// this and it stays. But Qt 6.4 selects before it announces the focus, and
// Orca 43 then takes the focus for old news and says nothing, for an empty
// box always. The box is therefore told of a plain focus change and selects
// its text once the focus has been announced.
class TabEntry : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::FocusIn)
            return false;
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::TabFocusReason && reason != Qt::BacktabFocusReason)
            return false;
        auto* edit = static_cast<QLineEdit*>(watched);
        QFocusEvent plain(QEvent::FocusIn, Qt::OtherFocusReason);
        QCoreApplication::sendEvent(edit, &plain);
        QMetaObject::invokeMethod(
            edit,
            [edit] {
                // An empty box has nothing to select and would only say "selected".
                if (edit->hasFocus() && !edit->text().isEmpty())
                    edit->selectAll();
            },
            Qt::QueuedConnection);
        return true;
    }
};

QWidget& relatedControl(const Form& form, const ControlDef& label, std::string_view target) {
    QWidget* found = form.control(target);
    if (found == nullptr)
        qFatal("window %s: label %s names a missing control", form.definition().name.data(),
               label.name.data());
    return *found;
}

} // namespace

void installAccessibleRoles() {
    // Once per process: every window loaded would otherwise add it again.
    [[maybe_unused]] static const bool installed = [] {
        QAccessible::installFactory(accessibleInterface);
        return true;
    }();
}

void makeAccessible(Form& form) {
    TabEntry* tabEntry = nullptr;
    for (const ControlDef& c : form.definition().controls) {
        QWidget* control = form.control(c.name);
        if (!c.spoken.empty())
            control->setAccessibleName(toQString(c.spoken));
        if (auto* edit = qobject_cast<QLineEdit*>(control)) {
            if (tabEntry == nullptr)
                tabEntry = new TabEntry(&form);
            edit->installEventFilter(tabEntry);
        }
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

void announce(Form& form, std::u16string_view text) {
    auto* announcer = form.findChild<Announcer*>(QString(), Qt::FindDirectChildrenOnly);
    if (announcer == nullptr)
        announcer = new Announcer(form);
    announcer->announce(toQString(text));
}

} // namespace ui

#include "accessibility.moc"
