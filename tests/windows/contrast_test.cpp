// The windows in a contrast theme, as people with low vision use them: every
// text a window shows, typed or written, stands out from what lies behind it
// by at least 7:1 (WCAG's level AAA for normal text); outside a contrast theme
// the definitions' own colours; and a theme turned on or off while the windows
// are open recolours them and changes nothing else.

#include "modal_responder.h"
#include "ui/contrast_theme.h"
#include "ui/form.h"
#include "ui/window_registry.h"
#include "ui/windows/windows.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QWindow>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

namespace {

// High Contrast Black as Windows sets its system colours, in the roles Qt's
// Windows theme reads them into.
QPalette highContrastBlack() {
    const QColor black(0, 0, 0), white(255, 255, 255), grey(128, 128, 128);
    QPalette p(white, black, white, grey, grey, white, white, black, black);
    p.setColor(QPalette::Button, black);
    p.setColor(QPalette::ButtonText, white);
    p.setColor(QPalette::Highlight, QColor(0x1A, 0xEB, 0xFF));
    p.setColor(QPalette::HighlightedText, black);
    p.setColor(QPalette::Link, QColor(255, 255, 0));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, QColor(0x3F, 0xF2, 0x3F));
    return p;
}

double luminance(QRgb rgb) {
    const auto channel = [](int value) {
        const double c = value / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(rgb)) + 0.7152 * channel(qGreen(rgb)) +
           0.0722 * channel(qBlue(rgb));
}

double contrastRatio(QRgb a, QRgb b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QImage snapshot(QWidget& window) {
    QImage image = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    image.setDevicePixelRatio(1);
    return image;
}

// The window's picture with the control's text taken away, and then put back
// as it was (selection and cursor included).
QImage snapshotWithoutText(QWidget& window, QWidget& control) {
    QImage without;
    if (auto* edit = qobject_cast<QLineEdit*>(&control)) {
        const QString text = edit->text();
        const int start = edit->selectionStart(), length = edit->selectedText().size();
        const int cursor = edit->cursorPosition();
        edit->setText(QString());
        without = snapshot(window);
        edit->setText(text);
        edit->setCursorPosition(cursor);
        if (start >= 0)
            edit->setSelection(start, length);
    } else if (auto* label = qobject_cast<QLabel*>(&control)) {
        const QString text = label->text();
        label->setText(QString());
        without = snapshot(window);
        label->setText(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(&control)) {
        const QString text = button->text();
        button->setText(QString());
        without = snapshot(window);
        button->setText(text);
    }
    return without;
}

struct Measured {
    QRect area;       // where the text is drawn: all that changes without it
    double ratio = 0; // how far it stands out from what lies behind it
};

// A control's text as the window shows it. What lies behind the text is the
// colour that most of its area shows once the text is taken away; the text's
// own colour is that of its pixel that differs from it most (the darkest of
// dark text, the lightest of light text), so that edges softened by
// antialiasing do not count against it. A text that cannot be told from its
// background changes nothing, and has no area.
Measured measureText(QWidget& window, QWidget& control) {
    const QImage with = snapshot(window);
    const QImage without = snapshotWithoutText(window, control);
    Measured m;
    if (without.size() != with.size())
        return m;
    const qreal scale = with.width() / qreal(window.width());
    const QPointF topLeft = control.mapTo(&window, QPoint());
    const QRect bounds = QRectF(topLeft * scale, QSizeF(control.size()) * scale)
                             .toAlignedRect()
                             .intersected(with.rect());
    for (int y = bounds.top(); y <= bounds.bottom(); ++y)
        for (int x = bounds.left(); x <= bounds.right(); ++x)
            if (with.pixel(x, y) != without.pixel(x, y))
                m.area |= QRect(x, y, 1, 1);
    if (m.area.isEmpty())
        return m;
    std::map<QRgb, int> behind;
    for (int y = m.area.top(); y <= m.area.bottom(); ++y)
        for (int x = m.area.left(); x <= m.area.right(); ++x)
            ++behind[without.pixel(x, y)];
    const QRgb back =
        std::max_element(behind.begin(), behind.end(), [](const auto& a, const auto& b) {
            return a.second < b.second;
        })->first;
    for (int y = m.area.top(); y <= m.area.bottom(); ++y)
        for (int x = m.area.left(); x <= m.area.right(); ++x)
            m.ratio = std::max(m.ratio, contrastRatio(with.pixel(x, y), back));
    return m;
}

struct Region {
    std::string_view window;
    const char* control;
};

void PrintTo(const Region& r, std::ostream* os) {
    *os << r.window << '.' << r.control;
}

// Every text of every window: captions, hints, the result line, the typed
// texts (Txt_c's selected) and the buttons.
const Region kRegions[] = {
    {ui::windows::kMain, "Label7"},    {ui::windows::kMain, "Label1"},
    {ui::windows::kMain, "Label2"},    {ui::windows::kMain, "Label3"},
    {ui::windows::kMain, "Label4"},    {ui::windows::kMain, "Label5"},
    {ui::windows::kMain, "Label6"},    {ui::windows::kMain, "Txt_a"},
    {ui::windows::kMain, "Txt_b"},     {ui::windows::kMain, "Txt_c"},
    {ui::windows::kMain, "Lbl_n"},     {ui::windows::kMain, "Lbl_m"},
    {ui::windows::kMain, "Lbl_q"},     {ui::windows::kMain, "Lbl_s"},
    {ui::windows::kMain, "Lbl_r"},     {ui::windows::kMain, "Lbl_p"},
    {ui::windows::kMain, "Command1"},  {ui::windows::kMain, "Command2"},
    {ui::windows::kMain, "Command3"},  {ui::windows::kMain, "Command4"},
    {ui::windows::kMain, "Command5"},  {ui::windows::kTheory, "Label1"},
    {ui::windows::kTheory, "Label2"},  {ui::windows::kTheory, "Label3"},
    {ui::windows::kTheory, "Label4"},  {ui::windows::kTheory, "Label5"},
    {ui::windows::kTheory, "Label6"},  {ui::windows::kTheory, "Label7"},
    {ui::windows::kTheory, "Label8"},  {ui::windows::kTheory, "Label9"},
    {ui::windows::kTheory, "Label10"}, {ui::windows::kTheory, "Label11"},
    {ui::windows::kTheory, "Label12"}, {ui::windows::kTheory, "Command1"},
    {ui::windows::kAbout, "Label1"},   {ui::windows::kAbout, "Label2"},
    {ui::windows::kAbout, "Label3"},   {ui::windows::kAbout, "Label4"},
    {ui::windows::kAbout, "Command1"},
};

constexpr double kAaa = 7.0;

// Tells every open window that the desktop's theme changed, as Qt does: to
// its native window, which hands the news on to the widget.
void announceThemeChange(ui::WindowRegistry& registry) {
    for (const ui::WindowDef* def : ui::windows::all())
        if (ui::Form* form = registry.form(def->name)) {
            QEvent change(QEvent::ThemeChange);
            QCoreApplication::sendEvent(form->windowHandle(), &change);
        }
    QCoreApplication::processEvents();
}

class ContrastTheme : public ::testing::Test {
protected:
    void SetUp() override { m_palette = QApplication::palette(); }

    void TearDown() override {
        ui::setContrastThemeForTesting(std::nullopt);
        QApplication::setPalette(m_palette);
    }

    void turnOn() {
        QApplication::setPalette(highContrastBlack());
        ui::setContrastThemeForTesting(true);
    }

    // The main window as the user leaves it: two values typed, a result,
    // a third value typed and selected.
    ui::Form& solvedMain() {
        ui::Form& main = m_registry.show(ui::windows::kMain);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&main));
        main.setText("Txt_a", u"10");
        main.setText("Txt_b", u"4");
        main.findChild<QPushButton*>("Command1")->click();
        auto* third = main.findChild<QLineEdit*>("Txt_c");
        third->setFocus();
        QTest::keyClicks(third, "2.5");
        third->selectAll();
        return main;
    }

    ui::Form& open(std::string_view name) {
        if (name == ui::windows::kMain)
            return solvedMain();
        ui::Form& form = m_registry.show(name);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
        return form;
    }

    QPalette m_palette;
    ModalResponder m_responder;
    ui::WindowRegistry m_registry{ui::windows::all()};
};

class ContrastThemeText : public ContrastTheme, public ::testing::WithParamInterface<Region> {};

TEST_P(ContrastThemeText, StandsOutAtLeastSevenToOne) {
    turnOn();
    const Region& region = GetParam();
    ui::Form& form = open(region.window);
    QWidget* control = form.control(region.control);
    ASSERT_NE(control, nullptr);
    const Measured m = measureText(form, *control);
    ASSERT_FALSE(m.area.isEmpty()) << "no text can be told from its background";
    EXPECT_GE(m.ratio, kAaa) << "in " << m.area.x() << ',' << m.area.y() << ' ' << m.area.width()
                             << 'x' << m.area.height();
}

INSTANTIATE_TEST_SUITE_P(EveryWindow, ContrastThemeText, ::testing::ValuesIn(kRegions),
                         [](const auto& info) {
                             return std::string(info.param.window) + '_' + info.param.control;
                         });

// Measures a message box's texts as it is shown, before anyone answers it.
class NoticeMeter final : public QObject {
public:
    NoticeMeter() { qApp->installEventFilter(this); }

    std::map<std::string, Measured> measured;

    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* box = qobject_cast<QMessageBox*>(watched);
        if (box == nullptr || event->type() != QEvent::Show)
            return false;
        // Laid out as it will be shown, before it is measured.
        box->ensurePolished();
        box->adjustSize();
        for (QLabel* label : box->findChildren<QLabel*>())
            if (label->text() == box->text())
                measured["text"] = measureText(*box, *label);
        for (QAbstractButton* button : box->buttons())
            measured["button"] = measureText(*box, *button);
        return false;
    }
};

// The zero notice: its text and its button, in the theme's colours too.
TEST_F(ContrastTheme, ZeroNoticeStandsOutAtLeastSevenToOne) {
    turnOn();
    ui::Form& main = open(ui::windows::kMain);
    NoticeMeter meter;
    main.setText("Txt_a", u"0");
    main.setText("Txt_b", u"4");
    main.setText("Txt_c", u"");
    main.findChild<QPushButton*>("Command1")->click();
    ASSERT_EQ(m_responder.texts().size(), 1);
    ASSERT_EQ(meter.measured.size(), 2u) << "the notice was never measured";
    for (const auto& [part, m] : meter.measured) {
        EXPECT_FALSE(m.area.isEmpty()) << part << ": no text can be told from its background";
        EXPECT_GE(m.ratio, kAaa) << part;
    }
}

struct Backdrop {
    const char* control;
    const char* defined; // "#rrggbb", or "face" for the button face
};

// The labels with colours of their own, and one on the button face.
const Backdrop kBackdrops[] = {
    {"Lbl_m", "#ffffc0"}, {"Lbl_s", "#ffe0c0"}, {"Lbl_r", "#c0ffff"},
    {"Lbl_p", "#c0ffc0"}, {"Label1", "face"},
};

// What is behind a label's text: the pixel in its top-left corner, where no
// caption reaches.
QString backdrop(const ui::Form& form, const QImage& picture, const char* control) {
    const QWidget* label = form.control(control);
    const QColor colour = picture.pixelColor(label->pos() + QPoint(1, 1));
    return colour == form.palette().color(QPalette::Button) ? QStringLiteral("face")
                                                            : colour.name();
}

TEST_F(ContrastTheme, OffKeepsTheDefinedColours) {
    ui::setContrastThemeForTesting(false);
    ui::Form& main = open(ui::windows::kMain);
    const QImage picture = snapshot(main);
    for (const Backdrop& b : kBackdrops)
        EXPECT_EQ(backdrop(main, picture, b.control).toStdString(), b.defined) << b.control;
}

TEST_F(ContrastTheme, OnPaintsEveryLabelOnTheButtonFace) {
    turnOn();
    ui::Form& main = open(ui::windows::kMain);
    const QImage picture = snapshot(main);
    for (const Backdrop& b : kBackdrops)
        EXPECT_EQ(backdrop(main, picture, b.control).toStdString(), "face") << b.control;
}

// What the user has done in a window, which a theme change must not touch.
struct State {
    std::map<std::string, std::u16string> texts;
    std::string focus;
    int selectionStart = -1;

    bool operator==(const State&) const = default;
};

State stateOf(const ui::Form& form) {
    State state;
    for (const auto& c : form.definition().controls)
        if (c.kind != ui::ControlKind::PictureBox)
            state.texts[std::string(c.name)] = form.text(c.name);
    if (const QWidget* focus = form.focusWidget())
        state.focus = focus->objectName().toStdString();
    if (const auto* edit = form.findChild<const QLineEdit*>("Txt_c"))
        state.selectionStart = edit->selectionStart();
    return state;
}

TEST_F(ContrastTheme, TurnedOnAndOffWhileOpenRecoloursAndKeepsEverythingElse) {
    std::vector<ui::Form*> forms;
    for (std::string_view name : {ui::windows::kTheory, ui::windows::kAbout, ui::windows::kMain})
        forms.push_back(&open(name));
    std::vector<State> states;
    std::vector<QImage> before;
    for (ui::Form* form : forms) {
        states.push_back(stateOf(*form));
        before.push_back(snapshot(*form));
    }
    ui::Form& main = *forms.back();

    turnOn();
    announceThemeChange(m_registry);
    const QImage dark = snapshot(main);
    for (const Backdrop& b : kBackdrops)
        EXPECT_EQ(backdrop(main, dark, b.control).toStdString(), "face") << "on: " << b.control;
    for (std::size_t i = 0; i < forms.size(); ++i) {
        EXPECT_TRUE(stateOf(*forms[i]) == states[i])
            << "on: " << forms[i]->objectName().toStdString();
        EXPECT_EQ(snapshot(*forms[i]).pixel(1, 1),
                  highContrastBlack().color(QPalette::Button).rgb())
            << forms[i]->objectName().toStdString();
    }

    QApplication::setPalette(m_palette);
    ui::setContrastThemeForTesting(false);
    announceThemeChange(m_registry);
    for (std::size_t i = 0; i < forms.size(); ++i) {
        const std::string name = forms[i]->objectName().toStdString();
        EXPECT_TRUE(stateOf(*forms[i]) == states[i]) << "off: " << name;
        EXPECT_TRUE(snapshot(*forms[i]) == before[i]) << "off: " << name << " differs from before";
    }
}

} // namespace
