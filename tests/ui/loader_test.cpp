// The loader: every kind, font, colour form and alignment of the sample
// window comes out as the definition says.

#include "tests/ui/sample_windows.h"
#include "tests/ui/ui_test.h"
#include "ui/form.h"
#include "ui/loader.h"
#include "ui/window_registry.h"

#include <QAccessible>
#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <cmath>
#include <memory>
#include <string>

namespace ui::test {
namespace {

QString q(std::u16string_view s) {
    return QString::fromStdU16String(std::u16string(s));
}

TEST(UnitConversion, TwipsBecomeDeviceIndependentPixels) {
    struct Row {
        int twips, pixels;
    };
    for (const Row row : {Row{0, 0}, Row{15, 1}, Row{2340, 156}, Row{1095, 73}, Row{7, 0},
                          Row{8, 1}, Row{10875, 725}, Row{-15, -1}, Row{-8, -1}}) {
        EXPECT_EQ(twipsToPixels(row.twips), row.pixels) << row.twips << " twips";
    }
}

TEST(UnitConversion, ColoursAreBlueGreenRedOrSystem) {
    QPalette palette;
    palette.setColor(QPalette::Window, QColor(1, 2, 3));
    palette.setColor(QPalette::Base, QColor(4, 5, 6));
    palette.setColor(QPalette::Button, QColor(7, 8, 9));
    struct Row {
        const char* name;
        Colour colour;
        QColor expected;
    };
    const Row rows[] = {
        {"light yellow", 0x00C0FFFF, QColor(255, 255, 192)},
        {"light orange", 0x00C0E0FF, QColor(255, 224, 192)},
        {"pure red", 0x000000FF, QColor(255, 0, 0)},
        {"pure blue", 0x00FF0000, QColor(0, 0, 255)},
        {"menu background", kMenuBackground, QColor(1, 2, 3)},
        {"window background", systemColour(5), QColor(4, 5, 6)},
        {"button face", systemColour(15), QColor(7, 8, 9)},
        {"unused system colour", systemColour(30), QColor(7, 8, 9)},
    };
    for (const Row& row : rows)
        EXPECT_EQ(toQColor(row.colour, palette).name(), row.expected.name()) << row.name;
}

std::string text(QPoint p) {
    return std::to_string(p.x()) + "," + std::to_string(p.y());
}

std::string text(QRect r) {
    return text(r.topLeft()) + " " + std::to_string(r.width()) + "x" + std::to_string(r.height());
}

std::string text(QMargins m) {
    return text(QPoint(m.left(), m.top())) + "," + text(QPoint(m.right(), m.bottom()));
}

// The work area of a 1280 x 1024 screen with a 44 px panel at the bottom, and
// one with a 32 px bar at the top; the client areas of the main window and of
// the about window; a window manager's title bar and a frame all round.
constexpr QRect kWorkArea{0, 0, 1280, 980};
constexpr QRect kBelowTopBar{0, 32, 1280, 992};
constexpr QSize kMain{725, 440};
constexpr QSize kAbout{717, 440};
constexpr QMargins kTitleBar{0, 37, 0, 0};
constexpr QMargins kAllRound{8, 31, 8, 8};

TEST(Placement, CentresTheWholeWindowAndKeepsItsTopLeftOnTheWorkArea) {
    struct Row {
        const char* name;
        QRect target;
        QSize client;
        QMargins frame;
        QRect area;
        QPoint expected;
    };
    const QRect owner{{277, 270}, kMain};
    const Row rows[] = {
        {"on the screen, frame not yet known", kWorkArea, kMain, {}, kWorkArea, {277, 270}},
        {"on the screen with a title bar", kWorkArea, kMain, kTitleBar, kWorkArea, {277, 251}},
        {"on the screen in a frame all round", kWorkArea, kMain, kAllRound, kWorkArea, {269, 250}},
        {"on a work area below a top bar", kBelowTopBar, kMain, {}, kBelowTopBar, {277, 308}},
        {"over a frameless owner", owner, kAbout, {}, kWorkArea, {281, 270}},
        {"over an owner, same frame", owner + kTitleBar, kAbout, kTitleBar, kWorkArea, {281, 233}},
        {"owner beyond the left and top", {{-100, -50}, kMain}, kAbout, {}, kWorkArea, {0, 0}},
        {"owner under a top bar", {{300, 0}, kMain}, kAbout, {}, kBelowTopBar, {304, 32}},
        {"owner beyond the bottom right", {{1000, 900}, kMain}, kAbout, {}, kWorkArea, {1004, 900}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(text(centredFramePosition(row.target, row.client, row.frame, row.area)),
                  text(row.expected))
            << row.name;
}

// An owner wearing the same frame as the window placed over it: the client
// areas' centres meet, whatever the frame and whichever size is odd.
TEST(Placement, SameFrameOnBothPutsClientCentreOverClientCentre) {
    const QMargins frames[] = {{}, {0, 37, 0, 0}, {8, 31, 8, 8}, {1, 2, 3, 4}, {0, 0, 5, 40}};
    const QRect owners[] = {{277, 270, 725, 440}, {100, 50, 724, 441}, {-30, 400, 600, 300}};
    const QSize clients[] = {{717, 440}, {716, 439}, {725, 440}};
    for (const QMargins& frame : frames) {
        for (const QRect& owner : owners) {
            for (const QSize& client : clients) {
                SCOPED_TRACE("owner " + text(owner) + ", client " + text(QRect({}, client)) +
                             ", frame " + text(frame));
                const QPoint at = centredFramePosition(owner.marginsAdded(frame), client, frame,
                                                       {-1000, -1000, 4000, 4000});
                const QRectF placed(at + QPoint(frame.left(), frame.top()), client);
                const QPointF offset = placed.center() - QRectF(owner).center();
                EXPECT_LE(std::abs(offset.x()), 0.5);
                EXPECT_LE(std::abs(offset.y()), 0.5);
            }
        }
    }
}

using LoadWindow = UiTest;

// The loader lends the window's font to the application while it builds the
// controls; menus and message boxes must get the desktop's font back.
TEST_F(LoadWindow, LeavesTheApplicationFontAsItWas) {
    const QString before = QGuiApplication::font().toString();
    const WindowDef* windows[1]{&kSampleWindow};
    WindowRegistry registry(windows);
    registry.show("Frm_Sample");
    EXPECT_EQ(QGuiApplication::font().toString(), before);
    EXPECT_NE(QGuiApplication::font().toString(),
              registry.form("Frm_Sample")->control("Label5")->font().toString());
}

class LoaderTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        m_registry = std::make_unique<WindowRegistry>(m_windows);
        m_form = &m_registry->show("Frm_Sample");
    }
    void TearDown() override {
        m_registry.reset();
        UiTest::TearDown();
    }

    template <typename T = QWidget> T* control(const char* name) const {
        auto* widget = qobject_cast<T*>(m_form->control(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    const WindowDef* m_windows[1]{&kSampleWindow};
    std::unique_ptr<WindowRegistry> m_registry;
    Form* m_form = nullptr;
};

TEST_F(LoaderTest, WindowTakesItsNameCaptionClientSizeAndFrame) {
    EXPECT_EQ(m_form->objectName(), "Frm_Sample");
    EXPECT_EQ(m_form->windowTitle(), "Parvelin's  Sample");
    EXPECT_EQ(m_form->size(), QSize(725, 440));
    const Qt::WindowFlags flags = m_form->windowFlags();
    for (const Qt::WindowType hint : {Qt::WindowMinimizeButtonHint, Qt::WindowMaximizeButtonHint,
                                      Qt::WindowCloseButtonHint, Qt::WindowTitleHint})
        EXPECT_TRUE(flags.testFlag(hint)) << hint;
    EXPECT_TRUE(m_form->autoFillBackground());
    EXPECT_EQ(m_form->palette().color(QPalette::Window).name(),
              QApplication::palette().color(QPalette::Button).name());
}

TEST_F(LoaderTest, ControlsStandWhereTheTwipsSay) {
    struct Row {
        const char* name;
        QRect pixels;
    };
    const Row rows[] = {
        {"Txt_a", {156, 52, 81, 33}},     {"Picture1", {564, 12, 149, 105}},
        {"Command1", {604, 152, 81, 33}}, {"Label1", {72, 56, 81, 33}},
        {"Lbl_m", {100, 188, 205, 33}},   {"Lbl_n", {4, 188, 89, 33}},
        {"Lbl_p", {32, 376, 313, 33}},    {"Label2", {112, 252, 573, 41}},
        {"Label3", {104, 156, 45, 33}},   {"Label4", {472, 312, 149, 29}},
        {"Command2", {604, 24, 81, 33}},  {"Txt_b", {156, 96, 81, 33}},
        {"Label5", {244, 64, 100, 33}},   {"Label6", {564, 152, 100, 33}},
    };
    for (const Row& row : rows) {
        if (QWidget* widget = control(row.name)) {
            EXPECT_EQ(widget->geometry(), row.pixels) << row.name;
        }
    }
    EXPECT_EQ(m_form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).size(), std::ssize(rows));

    // Placed, not laid out: resizing the window moves nothing.
    m_form->resize(900, 600);
    EXPECT_EQ(control("Lbl_p")->geometry(), QRect(32, 376, 313, 33));
}

TEST_F(LoaderTest, LabelsLieBeneathTheOtherControls) {
    // Label6 is defined after the button it overlaps, yet the button stays on top.
    const QPoint buttonCentre = control("Command1")->geometry().center();
    EXPECT_EQ(m_form->childAt(buttonCentre), control("Command1"));
    EXPECT_EQ(m_form->childAt(control("Label6")->geometry().topLeft()), control("Label6"));
}

TEST_F(LoaderTest, FontsTakeFaceSizeWeightAndUnderline) {
    struct Row {
        const char* name;
        const char* face;
        double points;
        bool bold, underline;
        const char* resolvedFace;
        int pixels; // at 96 DPI
    };
    const Row rows[] = {
        {"Txt_a", "MS Sans Serif", 9.75, false, false, "Liberation Sans", 13},
        {"Command1", "MS Sans Serif", 9.75, true, false, "Liberation Sans", 13},
        {"Label3", "MS Sans Serif", 24, true, true, "Liberation Sans", 32},
        {"Label4", "Verdana", 9, true, false, "DejaVu Sans", 12},
        {"Command2", "MS Sans Serif", 8.25, false, false, "Liberation Sans", 11},
        {"Label5", "MS Sans Serif", 8.25, false, false, "Liberation Sans", 11},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const QFont font = control(row.name)->font();
        // Asked for by an installed name, so Qt never searches for the missing face.
        EXPECT_EQ(font.family(), row.resolvedFace) << "in place of " << row.face;
        EXPECT_DOUBLE_EQ(font.pointSizeF(), row.points);
        EXPECT_EQ(font.weight(), row.bold ? QFont::Bold : QFont::Normal);
        EXPECT_EQ(font.underline(), row.underline);
        const QFontInfo shown(font);
        EXPECT_EQ(shown.family(), row.resolvedFace);
        EXPECT_EQ(shown.pixelSize(), row.pixels);
    }
}

TEST_F(LoaderTest, LabelsAlignAtTheTopAndPaintTheirBackColour) {
    const QPalette palette = QApplication::palette();
    struct Row {
        const char* name;
        Qt::Alignment alignment;
        QColor background;
    };
    const Row rows[] = {
        {"Label1", Qt::AlignRight | Qt::AlignTop, palette.color(QPalette::Button)},
        {"Lbl_m", Qt::AlignHCenter | Qt::AlignTop, QColor(255, 255, 192)},
        {"Lbl_n", Qt::AlignRight | Qt::AlignTop, palette.color(QPalette::Window)},
        {"Lbl_p", Qt::AlignHCenter | Qt::AlignTop, QColor(192, 255, 192)},
        {"Label2", Qt::AlignLeft | Qt::AlignTop, palette.color(QPalette::Button)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        auto* label = control<QLabel>(row.name);
        EXPECT_EQ(label->alignment(), row.alignment);
        EXPECT_TRUE(label->autoFillBackground());
        EXPECT_EQ(label->palette().color(QPalette::Window).name(), row.background.name());
    }
    // An empty caption still shows as a coloured rectangle.
    QImage image(control("Lbl_m")->size(), QImage::Format_RGB32);
    control("Lbl_m")->render(&image);
    EXPECT_EQ(image.pixelColor(0, 0).name(), "#ffffc0");
    EXPECT_EQ(image.pixelColor(image.width() - 1, image.height() - 1).name(), "#ffffc0");
}

// Focus, wrapping, plain text and buttons' keys are checked by behaviour below;
// here only what shows: borders and the picture at its own size.
TEST_F(LoaderTest, BordersFollowTheKindAndPicturesKeepTheirSize) {
    EXPECT_TRUE(control<QLineEdit>("Txt_a")->hasFrame());
    EXPECT_EQ(control<QLabel>("Label1")->frameShape(), QFrame::NoFrame);
    auto* picture = control<QLabel>("Picture1");
    EXPECT_EQ(picture->frameShadow(), QFrame::Sunken);
    EXPECT_NE(picture->frameShape(), QFrame::NoFrame);
    EXPECT_EQ(picture->alignment(), Qt::AlignLeft | Qt::AlignTop);
    EXPECT_EQ(picture->pixmap().size(), QSize(12, 7));
}

TEST_F(LoaderTest, CaptionsReadAndWriteAsTyped) {
    struct Row {
        const char* name;
        std::u16string_view initial, written;
    };
    const Row rows[] = {
        {"Command1", u"R&D", u"Save & go"},
        {"Txt_b", u"<i>typed</i>", u"2.5"},
        {"Lbl_p", u"*  Use  Tab  key to  navigate", u"a  b"},
        {"Lbl_m", u"", u"<b>2.5</b>"},
        {"Label5", u"<b>not bold</b>", u""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(q(m_form->text(row.name)), q(row.initial));
        m_form->setText(row.name, row.written);
        EXPECT_EQ(q(m_form->text(row.name)), q(row.written));
    }
    // An '&' is shown, never taken as an access key.
    EXPECT_EQ(control<QPushButton>("Command1")->text(), "Save && go");
}

// Where a label's text left ink, as [first, last] columns and rows.
QRect inkOf(QWidget* label) {
    QImage image(label->size(), QImage::Format_RGB32);
    label->render(&image);
    const QRgb background = image.pixel(0, 0);
    QRect ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != background)
                ink |= QRect(x, y, 1, 1);
    return ink;
}

TEST_F(LoaderTest, RunsOfSpacesAreShownAsTyped) {
    auto* label = control<QLabel>("Lbl_p");
    const int typed = label->fontMetrics().horizontalAdvance(label->text());
    const int collapsed = label->fontMetrics().horizontalAdvance(label->text().simplified());
    ASSERT_GT(typed - collapsed, 10);
    EXPECT_NEAR(inkOf(label).width(), typed, 3);
}

TEST_F(LoaderTest, LongCaptionsWrapAtBlanksWithinTheWidth) {
    auto* label = control<QLabel>("Label2");
    const QRect ink = inkOf(label);
    const int line = label->fontMetrics().lineSpacing();
    EXPECT_GT(ink.bottom(), line) << "a second line";
    EXPECT_LE(ink.right(), label->width());
}

TEST_F(LoaderTest, FocusStartsAtTheLowestTabIndexAndFollowsTheIndices) {
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_form));
    EXPECT_EQ(QApplication::focusWidget(), control("Picture1"));

    const char* forward[] = {"Command1", "Txt_a", "Command2", "Txt_b", "Picture1"};
    for (const char* name : forward) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget()->objectName(), name) << "Tab";
    }
    const char* backward[] = {"Txt_b", "Command2", "Txt_a", "Command1", "Picture1"};
    for (const char* name : backward) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        EXPECT_EQ(QApplication::focusWidget()->objectName(), name) << "Shift+Tab";
    }
}

TEST_F(LoaderTest, ButtonsRunTheirOwnActionOnClickAndSpaceOnly) {
    ActionLog& log = actionLog();
    log = {};
    QTest::mouseClick(control("Command1"), Qt::LeftButton);
    EXPECT_EQ(log.runs, 1);
    EXPECT_EQ(log.form, m_form);
    EXPECT_EQ(log.button, "Command1");

    control("Command2")->setFocus();
    QTest::keyClick(control("Command2"), Qt::Key_Space);
    EXPECT_EQ(log.runs, 2);
    EXPECT_EQ(log.button, "Command2");

    // No default button: Enter in a text box or on a button runs nothing.
    for (const char* name : {"Txt_a", "Command1"})
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter})
            QTest::keyClick(control(name), key);
    EXPECT_EQ(log.runs, 2);
}

TEST_F(LoaderTest, ScreenReadersReadEveryCaptionAndTheResultLine) {
    struct Row {
        const char* name;
        QString expected;
    };
    const Row rows[] = {
        {"Txt_a", "Voltage"}, // named by the label of its row
        {"Picture1", "Parvelin logo"}, {"Command1", "R&D"},
        {"Label1", "Voltage"},         {"Lbl_p", "*  Use  Tab  key to  navigate"},
    };
    for (const Row& row : rows) {
        QAccessibleInterface* access = QAccessible::queryAccessibleInterface(control(row.name));
        ASSERT_NE(access, nullptr) << row.name;
        EXPECT_EQ(access->text(QAccessible::Name), row.expected) << row.name;
    }
    m_form->setText("Lbl_m", u"2.5");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(control("Lbl_m"))->text(QAccessible::Name),
              "2.5");
}

} // namespace
} // namespace ui::test
