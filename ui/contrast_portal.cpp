#include "ui/contrast_portal.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QVariant>

namespace ui {

namespace {

const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kSettings = QStringLiteral("org.freedesktop.portal.Settings");
const QString kGroup = QStringLiteral("org.freedesktop.appearance");
const QString kKey = QStringLiteral("contrast");

} // namespace

ContrastPortal::ContrastPortal(const QDBusConnection& bus, QObject* parent) : QObject(parent) {
    if (!bus.isConnected())
        return;
    // Subscribed before asking, so that a change between the two is not lost.
    // The slot's argument types are found by name, and QDBusVariant has none
    // until something registers it.
    qRegisterMetaType<QDBusVariant>();
    QDBusConnection(bus).connect(kService, kPath, kSettings, QStringLiteral("SettingChanged"), this,
                                 SLOT(settingChanged(QString, QString, QDBusVariant)));
    QDBusMessage ask =
        QDBusMessage::createMethodCall(kService, kPath, kSettings, QStringLiteral("ReadOne"));
    ask << kGroup << kKey;
    // A desktop without the setting answers with an error, which counts as
    // no preference, as does a portal that never answers.
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(ask), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* w) {
        const QDBusPendingReply<QDBusVariant> reply = *w;
        if (reply.isValid())
            set(asksForContrast(reply.value().variant()));
        w->deleteLater();
    });
}

bool ContrastPortal::asksForContrast(const QVariant& value) {
    bool ok = false;
    const uint number = value.typeId() == QMetaType::QString ? 0 : value.toUInt(&ok);
    return ok && number == 1;
}

void ContrastPortal::settingChanged(const QString& group, const QString& key,
                                    const QDBusVariant& value) {
    if (group == kGroup && key == kKey)
        set(asksForContrast(value.variant()));
}

void ContrastPortal::set(bool higher) {
    // GNOME's two portals may both report a change: it is passed on once.
    if (higher == m_higher)
        return;
    m_higher = higher;
    emit changed(higher);
}

} // namespace ui
