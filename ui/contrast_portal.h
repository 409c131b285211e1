#pragma once

// The desktop's contrast preference as its XDG desktop portal reports it:
// org.freedesktop.appearance's "contrast" in the portal's Settings, which
// GNOME's portals (Debian 13 and later) set from Accessibility, High
// Contrast. Asked once without waiting for the answer, so that a portal that
// is slow to start never holds up a window, and followed through the portal's
// SettingChanged signal from then on.
// Ex: on GNOME with High Contrast on, higherContrast() becomes true soon after
//     the portal is created, and changed(false) is emitted when it is turned off.

#include <QDBusConnection>
#include <QObject>

class QDBusVariant;
class QVariant;

namespace ui {

class ContrastPortal final : public QObject {
    Q_OBJECT
public:
    ContrastPortal(const QDBusConnection& bus, QObject* parent = nullptr);

    bool higherContrast() const { return m_higher; }

    // What a value of the setting asks for: 1 higher contrast; 0, a value
    // not known today, or anything that is not a number, none.
    // Ex: asksForContrast(1u) == true; asksForContrast(2u) == false.
    static bool asksForContrast(const QVariant& value);

signals:
    void changed(bool higher);

private slots:
    void settingChanged(const QString& group, const QString& key, const QDBusVariant& value);

private:
    void set(bool higher);

    bool m_higher = false;
};

} // namespace ui
