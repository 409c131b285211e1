// The desktop portal's contrast preference, read from a stand-in portal on a
// private session bus (the test runs under dbus-run-session): answered at
// once, followed through SettingChanged, and absent where the desktop has no
// such setting.

#include "ui/contrast_portal.h"

#include <QDBusConnection>
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

struct AnswerRow {
    const char* name;
    std::optional<uint> contrast; // nullopt: the portal has no such setting
    bool higher;
};

void PrintTo(const AnswerRow& row, std::ostream* os) {
    *os << row.name;
}

class ContrastPortalAnswer : public ContrastPortalTest,
                             public ::testing::WithParamInterface<AnswerRow> {};

TEST_P(ContrastPortalAnswer, IsSeenSoonAfterStart) {
    startPortal(GetParam().contrast);
    ui::ContrastPortal portal(m_client);
    QSignalSpy changed(&portal, &ui::ContrastPortal::changed);
    // A stand-in on the same machine answers well within this.
    static_cast<void>(QTest::qWaitFor([&] { return portal.higherContrast(); }, 300));
    EXPECT_EQ(portal.higherContrast(), GetParam().higher);
    EXPECT_EQ(changed.size(), GetParam().higher ? 1 : 0);
}

// KDE's portal, and any without the setting, answers NotFound.
INSTANTIATE_TEST_SUITE_P(Answers, ContrastPortalAnswer,
                         ::testing::Values(AnswerRow{"Higher", 1u, true},
                                           AnswerRow{"NoPreference", 0u, false},
                                           AnswerRow{"NoSuchSetting", std::nullopt, false}),
                         [](const auto& info) { return std::string(info.param.name); });

// First in the program, as in Zentaro: the subscription must work before any
// other D-Bus call has taught Qt the types of its arguments.
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
