// Each window as it is drawn: geometry in pixels at 96 DPI, captions, fonts,
// colours and the focus order, checked against figures worked out by hand
// from the designer's twips (15 to a pixel).

#include "ui/form.h"
#include "ui/window_registry.h"
#include "ui/windows/windows.h"

#include <QAbstractButton>
#include <QApplication>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>
#include <optional>

namespace {

enum class Bg { None, Face, Menu };

struct Row {
    const char* name;
    const char* kind; // Qt class the control must inherit
    int x, y, w, h;
    const char* caption; // nullptr: not checked here
    const char* font;    // "family points [bold] [underline]"
    char align = '-';    // l, r, c for labels
    std::optional<const char*> colour = std::nullopt; // "#rrggbb", "face" or "menu"
};

// The face as the designer named it: where that face is missing, the window
// shows one of its registered substitutes, which counts as the same.
QString describeFont(const QFont& f, const char* expected) {
    QString family = f.family();
    for (const char* face : {"MS Sans Serif", "Verdana"})
        if (QString(expected).startsWith(face) && QFont::substitutes(face).contains(family, Qt::CaseInsensitive))
            family = face;
    QString s = family + ' ' + QString::number(f.pointSizeF());
    if (f.weight() >= QFont::Bold)
        s += " bold";
    if (f.underline())
        s += " underline";
    return s;
}

QString describeColour(const QWidget& w) {
    const QColor c = w.palette().color(w.backgroundRole());
    if (c == QApplication::palette().color(QPalette::Button))
        return "face";
    return c.name();
}

// Both sides are turned into one line of text, so a failure shows which
// property of which control differs.
QString describe(const QWidget& w, const Row& row) {
    QString s = QString("%1 %2,%3 %4x%5").arg(w.objectName()).arg(w.x()).arg(w.y()).arg(w.width()).arg(w.height());
    s += w.inherits(row.kind) ? QString(" ") + row.kind : " wrong-kind";
    if (row.caption) {
        if (auto* label = qobject_cast<const QLabel*>(&w))
            s += " '" + label->text() + "'";
        else if (auto* button = qobject_cast<const QAbstractButton*>(&w))
            s += " '" + button->text() + "'";
        else if (auto* edit = qobject_cast<const QLineEdit*>(&w))
            s += " '" + edit->text() + "'";
    }
    if (row.font)
        s += " [" + describeFont(w.font(), row.font) + "]";
    if (row.align != '-') {
        const auto a = qobject_cast<const QLabel*>(&w)->alignment() & Qt::AlignHorizontal_Mask;
        s += a == Qt::AlignRight ? " r" : a == Qt::AlignHCenter ? " c" : " l";
    }
    if (row.colour)
        s += ' ' + describeColour(w);
    return s;
}

// The system's menu background: the palette's window colour.
QString describeColourOfMenu() {
    const QColor c = QApplication::palette().color(QPalette::Window);
    return c == QApplication::palette().color(QPalette::Button) ? QString("face") : c.name();
}

QString expected(const Row& row) {
    QString s = QString("%1 %2,%3 %4x%5 %6").arg(row.name).arg(row.x).arg(row.y).arg(row.w).arg(row.h).arg(row.kind);
    if (row.caption)
        s += QString(" '") + QString::fromUtf8(row.caption) + "'";
    if (row.font)
        s += QString(" [") + row.font + "]";
    if (row.align != '-')
        s += QString(" ") + row.align;
    if (row.colour) {
        const QString c = *row.colour;
        s += ' ' + (c == "menu" ? describeColourOfMenu() : c);
    }
    return s;
}

struct WindowCase {
    std::string_view window;
    const char* title;
    int width, height;
    std::vector<Row> rows;
    std::vector<const char*> focusCycle; // from the control focused on show
};

// Names the row in test listings instead of dumping its bytes.
void PrintTo(const WindowCase& j, std::ostream* os) { *os << j.window; }

constexpr auto kSans825b = "MS Sans Serif 8.25 bold";
constexpr auto kSans975 = "MS Sans Serif 9.75";
constexpr auto kSans975b = "MS Sans Serif 9.75 bold";
constexpr auto kPlain = "MS Sans Serif 8.25";

const WindowCase kMainCase{
    ui::windows::kMain, "Parvelin's  Zentaro", 725, 440,
    {
        {"Txt_a", "QLineEdit", 156, 52, 81, 33, "", kSans975},
        {"Txt_b", "QLineEdit", 156, 96, 81, 33, "", kSans975},
        {"Txt_c", "QLineEdit", 156, 140, 81, 33, "", kSans975},
        {"Command1", "QPushButton", 604, 152, 81, 33, "Solve", kSans825b},
        {"Command2", "QPushButton", 604, 212, 81, 33, "Reset", kSans825b},
        {"Command4", "QPushButton", 604, 272, 81, 33, "Ohm's Law", kSans825b},
        {"Command3", "QPushButton", 456, 12, 81, 33, "About", kSans825b},
        {"Command5", "QPushButton", 604, 332, 81, 33, "Exit", kSans825b},
        {"Label1", "QLabel", 72, 56, 81, 33, "Voltage", kSans825b, 'r', "face"},
        {"Label2", "QLabel", 68, 104, 81, 33, "Current", kSans825b, 'r', "face"},
        {"Label3", "QLabel", 68, 148, 81, 33, "Resistance", kSans825b, 'r', "face"},
        {"Lbl_m", "QLabel", 100, 188, 205, 33, "", kSans975b, 'c', "#ffffc0"},
        {"Lbl_n", "QLabel", 4, 188, 89, 33, "", kSans975b, 'r', "menu"},
        {"Lbl_p", "QLabel", 32, 376, 313, 33, "*  Use  Tab  key to  navigate", kSans975b, 'c',
         "#c0ffc0"},
        {"Lbl_q", "QLabel", 312, 188, 85, 33, "", kSans975b, 'l', "menu"},
        {"Lbl_r", "QLabel", 32, 328, 313, 33, "*  Don't  enter  Zero ( 0 ) and  Negative  values ",
         kSans975b, 'c', "#c0ffff"},
        {"Lbl_s", "QLabel", 32, 280, 313, 33,
         "*  Enter  values only  in  two  fields  at  a  time.", kSans975b, 'c', "#ffe0c0"},
        {"Picture1", "QWidget", 564, 12, 149, 105, nullptr, nullptr},
        {"Label4", "QLabel", 244, 64, 37, 33, "Volts", kPlain, 'l', "face"},
        {"Label5", "QLabel", 244, 108, 33, 33, "Amps", kPlain, 'l', "face"},
        {"Label6", "QLabel", 244, 152, 37, 33, "Ohms", kPlain, 'l', "face"},
        {"Label7", "QLabel", 40, 8, 477, 33, "Zentaro", "MS Sans Serif 18 bold", 'l', "face"},
    },
    {"Txt_a", "Txt_b", "Txt_c", "Command1", "Command2", "Command4", "Command3", "Command5",
     "Picture1", "Txt_a"},
};

const WindowCase kTheoryCase{
    ui::windows::kTheory, "Ohm's  Law  Theory", 725, 440,
    {
        {"Picture1", "QWidget", 560, 12, 153, 105, nullptr, nullptr},
        {"Label1", "QLabel", 16, 12, 249, 37, "What is Ohm's Law", "MS Sans Serif 18 bold", 'l', "face"},
        {"Label2", "QLabel", 12, 64, 493, 73, nullptr, "MS Sans Serif 12", 'l', "face"},
        {"Label3", "QLabel", 20, 164, 25, 41, "I", "MS Sans Serif 24 bold"},
        {"Label4", "QLabel", 56, 164, 41, 33, "=", "MS Sans Serif 24 bold"},
        {"Label5", "QLabel", 104, 156, 45, 33, "V", "MS Sans Serif 24 bold underline"},
        {"Label6", "QLabel", 104, 192, 49, 33, "R", "MS Sans Serif 24 bold"},
        {"Label7", "QLabel", 28, 256, 73, 25, "Volt", kSans975b},
        {"Label8", "QLabel", 28, 300, 73, 33, "Ampere", kSans975b},
        {"Label9", "QLabel", 28, 348, 77, 33, "Ohm", kSans975b},
        {"Label10", "QLabel", 112, 252, 573, 41, nullptr, kSans975},
        {"Label11", "QLabel", 112, 300, 577, 33, nullptr, kSans975},
        {"Label12", "QLabel", 112, 348, 577, 33, nullptr, kSans975},
        {"Command1", "QPushButton", 604, 144, 81, 33, "Main page", kPlain},
    },
    {"Picture1", "Command1", "Picture1"},
};

const WindowCase kAboutCase{
    ui::windows::kAbout, "About", 717, 440,
    {
        {"Picture1", "QWidget", 264, 32, 177, 105, nullptr, nullptr},
        {"Command1", "QPushButton", 604, 24, 81, 33, "Close", kPlain},
        {"Label1", "QLabel", 472, 280, 69, 21, nullptr, kPlain},
        {"Label2", "QLabel", 472, 312, 149, 29, nullptr, "Verdana 9 bold"},
        {"Label3", "QLabel", 472, 348, 193, 21, nullptr, "Verdana 9 bold"},
        {"Label4", "QLabel", 208, 176, 293, 33, "Zentaro", "MS Sans Serif 13.5 bold"},
    },
    {"Picture1", "Command1", "Picture1"},
};

class WindowLayout : public ::testing::TestWithParam<WindowCase> {};

TEST_P(WindowLayout, ControlsStandWhereTheDesignerPutThem) {
    const WindowCase& c = GetParam();
    ui::WindowRegistry registry(ui::windows::all());
    ui::Form& form = registry.show(c.window);

    EXPECT_EQ(form.objectName().toStdString(), c.window);
    EXPECT_EQ(form.windowTitle(), QString::fromUtf8(c.title));
    EXPECT_EQ(form.size(), QSize(c.width, c.height));
    EXPECT_EQ(form.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly).size(),
              qsizetype(c.rows.size()));
    for (const Row& row : c.rows) {
        auto* w = form.findChild<QWidget*>(row.name);
        ASSERT_NE(w, nullptr) << row.name;
        EXPECT_EQ(describe(*w, row).toStdString(), expected(row).toStdString());
    }
}

TEST_P(WindowLayout, TabVisitsControlsInTheirOrderAndWraps) {
    const WindowCase& c = GetParam();
    ui::WindowRegistry registry(ui::windows::all());
    ui::Form& form = registry.show(c.window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));

    QStringList visited;
    for (std::size_t i = 0; i < c.focusCycle.size(); ++i) {
        QWidget* focus = QApplication::focusWidget();
        visited << (focus ? focus->objectName() : QString("(none)"));
        QTest::keyClick(focus ? focus : &form, Qt::Key_Tab);
    }
    QStringList wanted;
    for (const char* name : c.focusCycle)
        wanted << name;
    EXPECT_EQ(visited.join(' ').toStdString(), wanted.join(' ').toStdString());
}

INSTANTIATE_TEST_SUITE_P(Windows, WindowLayout,
                         ::testing::Values(kMainCase, kTheoryCase, kAboutCase),
                         [](const auto& info) { return std::string(info.param.window); });

TEST(WindowLayout, LongTheoryCaptionsWrapInsideTheirLabels) {
    ui::WindowRegistry registry(ui::windows::all());
    ui::Form& form = registry.show(ui::windows::kTheory);
    for (const char* name : {"Label2", "Label10", "Label11", "Label12"}) {
        auto* label = form.findChild<QLabel*>(name);
        ASSERT_NE(label, nullptr) << name;
        EXPECT_TRUE(label->wordWrap()) << name;
        EXPECT_TRUE(label->text().contains("propotional") || label->text().contains("Ohm"));
    }
}

TEST(WindowLayout, LogosAreCompiledInAtTheirDefinedSizes) {
    ui::WindowRegistry registry(ui::windows::all());
    const struct {
        std::string_view window;
        QSize size;
    } cases[] = {{ui::windows::kMain, {150, 101}}, {ui::windows::kTheory, {150, 101}},
                 {ui::windows::kAbout, {175, 101}}};
    for (const auto& c : cases) {
        ui::Form& form = registry.show(c.window);
        auto* picture = form.findChild<QLabel*>("Picture1");
        ASSERT_NE(picture, nullptr);
        // What the window shows: the uncompressed twin, at the logo's own size.
        EXPECT_EQ(picture->pixmap().deviceIndependentSize().toSize(), c.size) << c.window;
        // And the stored original, where this Qt can read JPEG (the Windows
        // build's cannot, and needs not).
        const QImage image = QImage(QString(c.window == ui::windows::kAbout
                                                ? ":/logos/logo_175x101.jpg"
                                                : ":/logos/logo_150x101.jpg"));
        if (QImageReader::supportedImageFormats().contains("jpeg")) {
            EXPECT_EQ(image.size(), c.size) << c.window;
        }
    }
}

} // namespace
