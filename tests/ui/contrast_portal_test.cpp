// The desktop portal's contrast preference, read from a stand-in portal on a
// private session bus (the test runs under dbus-run-session): answered at
// once, followed through SettingChanged, and absent where the desktop has no
// such setting.

#include "ui/contrast_portal.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>
#include <optional>

namespace {

const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");

// A portal's Settings, with one value or none (as KDE's portal has none).
class FakeSettings : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Settings")
public:
    std::optional<uint> contrast;

public slots:
    QDBusVariant ReadOne(const QString& group, const QString& key) {
        if (group != QLatin1String("org.freedesktop.appearance") ||
            key != QLatin1String("contrast") || !contrast) {
            sendErrorReply(QStringLiteral("org.freedesktop.portal.Error.NotFound"),
                           QStringLiteral("Requested setting not found"));
            return {};
        }
        return QDBusVariant(*contrast);
    }

signals:
    void SettingChanged(const QString& group, const QString& key, const QDBusVariant& value);
};

class ContrastPortalTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_client.isConnected()) << "no session bus: run under dbus-run-session";
    }

    // The portal's own connection, apart from the client's, as on a desktop.
    void startPortal(std::optional<uint> contrast) {
        m_settings.contrast = contrast;
        m_portal = QDBusConnection::connectToBus(QDBusConnection::SessionBus, "portal");
        ASSERT_TRUE(m_portal.registerObject(kPath, &m_settings,
                                            QDBusConnection::ExportAllSlots |
                                                QDBusConnection::ExportAllSignals));
        ASSERT_TRUE(m_portal.registerService(kService));
    }

    void TearDown() override {
        if (m_portal.isConnected()) {
            m_portal.unregisterService(kService);
            m_portal.unregisterObject(kPath);
            QDBusConnection::disconnectFromBus("portal");
        }
    }

    void change(const QString& group, const QString& key, uint value) {
        emit m_settings.SettingChanged(group, key, QDBusVariant(value));
    }

    QDBusConnection m_client = QDBusConnection::sessionBus();
    QDBusConnection m_portal{QString()};
    FakeSettings m_settings;
};

TEST_F(ContrastPortalTest, HigherContrastIsSeenAtOnce) {
    startPortal(1u);
    ui::ContrastPortal portal(m_client);
    QSignalSpy changed(&portal, &ui::ContrastPortal::changed);
    EXPECT_TRUE(QTest::qWaitFor([&] { return portal.higherContrast(); }, 5000));
    EXPECT_EQ(changed.size(), 1);
}

TEST_F(ContrastPortalTest, NoPreferenceStaysOff) {
    startPortal(0u);
    ui::ContrastPortal portal(m_client);
    QSignalSpy changed(&portal, &ui::ContrastPortal::changed);
    QTest::qWait(200);
    EXPECT_FALSE(portal.higherContrast());
    EXPECT_EQ(changed.size(), 0);
}

TEST_F(ContrastPortalTest, FollowsTheSettingAndIgnoresOthers) {
    startPortal(0u);
    ui::ContrastPortal portal(m_client);
    QSignalSpy changed(&portal, &ui::ContrastPortal::changed);
    QTest::qWait(100);
    change("org.freedesktop.appearance", "color-scheme", 1);
    change("org.gnome.desktop.a11y.interface", "contrast", 1);
    QTest::qWait(100);
    EXPECT_FALSE(portal.higherContrast());

    change("org.freedesktop.appearance", "contrast", 1);
    // GNOME's two portals both send it.
    change("org.freedesktop.appearance", "contrast", 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return portal.higherContrast(); }, 5000));
    change("org.freedesktop.appearance", "contrast", 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !portal.higherContrast(); }, 5000));
    ASSERT_EQ(changed.size(), 2);
    EXPECT_EQ(changed.at(0).at(0).toBool(), true);
    EXPECT_EQ(changed.at(1).at(0).toBool(), false);
}

// KDE's portal, and any without the setting, answers NotFound.
TEST_F(ContrastPortalTest, AMissingSettingIsNoPreference) {
    startPortal(std::nullopt);
    ui::ContrastPortal portal(m_client);
    QTest::qWait(200);
    EXPECT_FALSE(portal.higherContrast());
}

TEST_F(ContrastPortalTest, NoPortalAtAllIsNoPreference) {
    ui::ContrastPortal portal(m_client);
    QTest::qWait(200);
    EXPECT_FALSE(portal.higherContrast());
}

struct ValueRow {
    const char* name;
    QVariant value;
    bool higher;
};

void PrintTo(const ValueRow& row, std::ostream* os) {
    *os << row.name;
}

class ContrastValue : public ::testing::TestWithParam<ValueRow> {};

TEST_P(ContrastValue, MeansWhatThePortalSays) {
    EXPECT_EQ(ui::ContrastPortal::asksForContrast(GetParam().value), GetParam().higher);
}

// Unknown values count as no preference, as the portal's interface asks.
INSTANTIATE_TEST_SUITE_P(Values, ContrastValue,
                         ::testing::Values(ValueRow{"NoPreference", QVariant(0u), false},
                                           ValueRow{"Higher", QVariant(1u), true},
                                           ValueRow{"Unknown", QVariant(2u), false},
                                           ValueRow{"Text", QVariant(QStringLiteral("1")), false},
                                           ValueRow{"Nothing", QVariant(), false}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace

#include "contrast_portal_test.moc"
