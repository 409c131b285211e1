#include "ui/loader.h"

#include "ui/accessibility.h"
#include "ui/contrast_theme.h"
#include "ui/fonts.h"
#include "ui/form.h"
#include "ui/owner_frame.h"
#include "ui/pictures.h"
#include "ui/platform_look.h"
#include "ui/text_box_style.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QWindow>
#include <algorithm>
#include <array>
#include <limits>
#include <utility>
#include <vector>

namespace ui {

namespace {

constexpr int kTwipsPerPixel = 15;

QString toQString(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The controls built for one window, by definition name, in definition order.
using Built = std::vector<std::pair<std::string_view, QWidget*>>;

QWidget* builtControl(const Built& built, std::string_view name) {
    const auto it = std::find_if(built.begin(), built.end(),
                                 [name](const auto& entry) { return entry.first == name; });
    return it == built.end() ? nullptr : it->second;
}

QRect toPixels(const ControlDef& c) {
    return {twipsToPixels(c.left), twipsToPixels(c.top), twipsToPixels(c.width),
            twipsToPixels(c.height)};
}

bool takesFocus(ControlKind kind) {
    return kind != ControlKind::Label;
}

// Buttons have no access keys: an '&' in a caption is shown as typed.
QString escapeAmpersands(QString caption) {
    return caption.replace(u'&', QStringLiteral("&&"));
}

Qt::Alignment toQtAlignment(Alignment alignment) {
    switch (alignment) {
    case Alignment::Right:
        return Qt::AlignRight | Qt::AlignTop;
    case Alignment::Centre:
        return Qt::AlignHCenter | Qt::AlignTop;
    case Alignment::Left:
        break;
    }
    return Qt::AlignLeft | Qt::AlignTop;
}

// Paints a widget's whole rectangle in `back`, and its text in `text` where
// given, over the palette it inherits now (see inherit).
void paintBackground(QWidget& widget, const QColor& back, const QColor& text = QColor()) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, back);
    if (text.isValid())
        palette.setColor(QPalette::WindowText, text);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

// Drops whatever colours an earlier theme set on a widget: from here on it
// inherits the palette of the theme of the moment.
void inherit(QWidget& widget) {
    if (widget.testAttribute(Qt::WA_SetPalette))
        widget.setPalette(QPalette());
}

// A label paints its defined back colour, or the button face by default; in
// a contrast theme every label is button text on button face, as the
// window's own captions are, since a fixed pastel under the theme's light
// text would leave it unreadable.
void colourLabel(QWidget& label, const ControlDef& c, const QPalette& window, bool contrast) {
    inherit(label);
    if (contrast)
        paintBackground(label, window.color(QPalette::Button), window.color(QPalette::ButtonText));
    else
        paintBackground(label, c.backColour ? toQColor(*c.backColour, window)
                                            : window.color(QPalette::Button));
}

// Text boxes draw in the style that draws them whole (text_box_style.h),
// which depends on the application's style of the moment.
void styleTextBox(QWidget& edit) {
    QStyle* wanted = textBoxStyle();
    QStyle* own = edit.testAttribute(Qt::WA_SetStyle) ? edit.style() : nullptr;
    if (own != wanted)
        edit.setStyle(wanted);
}

// Recolours a loaded form whenever Qt tells it that the desktop's theme has
// changed: a contrast theme turned on or off, or new system colours.
class ThemeFollower final : public QObject {
public:
    explicit ThemeFollower(Form& form) : QObject(&form), m_form(form) {
        form.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &m_form && event->type() == QEvent::ThemeChange) {
            applyPlatformLook();
            applyColours(m_form);
        }
        return false;
    }

private:
    Form& m_form;
};

QWidget* makeButton(const ControlDef& c, Form& form) {
    auto* button = new QPushButton(escapeAmpersands(toQString(c.caption)), &form);
    // No default button anywhere: Enter in a text box must do nothing.
    button->setAutoDefault(false);
    button->setDefault(false);
    button->setFocusPolicy(Qt::StrongFocus);
    return button;
}

QWidget* makeTextBox(const ControlDef& c, Form& form) {
    auto* edit = new QLineEdit(&form);
    // A text box holds whatever is typed or pasted, however long: QLineEdit
    // would otherwise cut it silently at 32,767 characters, and Solve would
    // read a different number from the one the user entered. The limit is
    // lifted before the text is set, which it would cut as well.
    edit->setMaxLength(std::numeric_limits<int>::max());
    edit->setText(toQString(c.caption));
    edit->setFrame(true);
    edit->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    edit->setFocusPolicy(Qt::StrongFocus);
    return edit;
}

QWidget* makeLabel(const ControlDef& c, Form& form) {
    auto* label = new QLabel(&form);
    // Plain text: captions are shown as typed, never interpreted as markup.
    label->setTextFormat(Qt::PlainText);
    label->setText(toQString(c.caption));
    label->setWordWrap(true);
    label->setAlignment(toQtAlignment(c.alignment));
    label->setFrameShape(QFrame::NoFrame);
    label->setMargin(0);
    label->setIndent(0);
    label->setFocusPolicy(Qt::NoFocus);
    return label;
}

QWidget* makePictureBox(const ControlDef& c, Form& form) {
    auto* picture = new QLabel(&form);
    picture->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    picture->setMargin(0);
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picture->setFocusPolicy(Qt::StrongFocus);
    if (c.image != nullptr) {
        picture->setPixmap(loadPicture(c.image->resource, picture->devicePixelRatioF()));
        picture->setAccessibleName(toQString(c.image->description));
    }
    return picture;
}

QWidget* makeControl(const ControlDef& c, Form& form) {
    switch (c.kind) {
    case ControlKind::Button:
        return makeButton(c, form);
    case ControlKind::TextBox:
        return makeTextBox(c, form);
    case ControlKind::PictureBox:
        return makePictureBox(c, form);
    case ControlKind::Label:
        break;
    }
    return makeLabel(c, form);
}

void orderFocus(const Built& built, const WindowDef& def) {
    std::vector<std::pair<int, QWidget*>> chain;
    for (const ControlDef& c : def.controls)
        if (takesFocus(c.kind))
            chain.emplace_back(c.tabIndex, builtControl(built, c.name));
    std::stable_sort(chain.begin(), chain.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1].second, chain[i].second);
    if (!chain.empty())
        chain.front().second->setFocus(Qt::OtherFocusReason);
}

void wireActions(Form& form, const Built& built, const WindowDef& def) {
    for (const ActionDef& action : def.actions) {
        auto* button = qobject_cast<QPushButton*>(builtControl(built, action.control));
        if (button == nullptr)
            qFatal("window %s: action for missing button %s", def.name.data(),
                   action.control.data());
        QObject::connect(button, &QPushButton::clicked, &form,
                         [&form, run = action.run] { run(form); });
    }
}

} // namespace

int twipsToPixels(int twips) {
    const int half = twips >= 0 ? kTwipsPerPixel / 2 : -(kTwipsPerPixel / 2);
    return (twips + half) / kTwipsPerPixel;
}

QColor toQColor(Colour colour, const QPalette& palette) {
    if ((colour & kSystemColourFlag) == 0)
        return QColor(static_cast<int>(colour & 0xFFu), static_cast<int>((colour >> 8) & 0xFFu),
                      static_cast<int>((colour >> 16) & 0xFFu));
    static constexpr std::array<std::pair<std::uint32_t, QPalette::ColorRole>, 5> kSystemRoles{{
        {4, QPalette::Window},      // menu background
        {5, QPalette::Base},        // window background
        {8, QPalette::WindowText},  // window text
        {15, QPalette::Button},     // button face
        {18, QPalette::ButtonText}, // button text
    }};
    const std::uint32_t index = colour & ~kSystemColourFlag;
    for (const auto& [systemIndex, role] : kSystemRoles)
        if (systemIndex == index)
            return palette.color(role);
    return palette.color(QPalette::Button);
}

QFont toQFont(const Font& font) {
    QFont result(resolveFace(font.face.empty() ? kDefaultWindowFont.face : font.face));
    result.setPointSizeF(font.points);
    result.setWeight(font.bold ? QFont::Bold : QFont::Normal);
    result.setUnderline(font.underline);
    return result;
}

void applyColours(Form& form) {
    const bool contrast = contrastThemeOn();
    inherit(form);
    paintBackground(form, form.palette().color(QPalette::Button));
    const QPalette& window = form.palette();
    for (const ControlDef& c : form.definition().controls) {
        QWidget* control = form.control(c.name);
        if (control == nullptr)
            continue;
        if (c.kind == ControlKind::Label)
            colourLabel(*control, c, window, contrast);
        else if (c.kind == ControlKind::TextBox)
            styleTextBox(*control);
    }
}

void loadWindow(Form& form, const WindowDef& def) {
    // Before anything is named: a screen reader asks at the first change.
    installAccessibleRoles();
    // Before any colour is read from the palette.
    applyPlatformLook();
    form.setObjectName(toQString(def.name));
    form.setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                        Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    form.setWindowTitle(toQString(def.caption));
    form.setFont(toQFont(kDefaultWindowFont));
    // The form is its client area; controls are placed, never laid out, so
    // they keep their positions when the window is resized.
    form.resize(twipsToPixels(def.clientWidth), twipsToPixels(def.clientHeight));

    // A text box lays out its (empty) text once in the default QFont before
    // it takes its own; made the window's font for the while, that first
    // layout needs no font engine that nothing else draws with. QGuiApplication's
    // setter, not QApplication's: that one would also drop the theme's fonts
    // for menus and message boxes, and send every widget a font change.
    const QFont applicationFont = QGuiApplication::font();
    QGuiApplication::setFont(form.font());
    Built built;
    built.reserve(def.controls.size());
    std::vector<QWidget*> labels;
    for (const ControlDef& c : def.controls) {
        QWidget* control = makeControl(c, form);
        built.emplace_back(c.name, control);
        control->setObjectName(toQString(c.name));
        control->setGeometry(toPixels(c));
        if (c.font)
            control->setFont(toQFont(*c.font));
        if (c.kind == ControlKind::Label)
            labels.push_back(control);
    }
    // Labels are painted on the window's own surface, beneath every other
    // control: a label reaching under a button must not hide it.
    std::for_each(labels.rbegin(), labels.rend(), [](QWidget* label) { label->lower(); });
    QGuiApplication::setFont(applicationFont);
    applyColours(form);
    new ThemeFollower(form);
    makeAccessible(form);
    orderFocus(built, def);
    wireActions(form, built, def);
}

QPoint centredFramePosition(const QRect& target, QSize client, const QMargins& frame,
                            const QRect& area) {
    QRect placed({0, 0}, client.grownBy(frame));
    placed.moveCenter(target.center());
    // Keep the title bar reachable when the owner stands near the screen's edge.
    return {std::max(placed.left(), area.left()), std::max(placed.top(), area.top())};
}

void placeWindow(Form& form, const QWidget* owner) {
    const QScreen* screen = owner != nullptr ? owner->screen() : QGuiApplication::primaryScreen();
    const QRect area = screen != nullptr ? screen->availableGeometry() : QRect();
    const bool overOwner =
        form.definition().startUp == StartUpPosition::CentreOwner && owner != nullptr;
    // Centre the whole window, frame and title bar included. A window system
    // that draws the frame itself (Windows) knows its size once the native
    // window exists; one whose window manager frames windows later (X11) tells
    // no margins yet, and the client area is centred instead. Over its owner,
    // the owner counts as wearing the same frame (ownerFrame).
    form.winId();
    const QMargins frame =
        form.windowHandle() != nullptr ? form.windowHandle()->frameMargins() : QMargins();
    const QRect target = overOwner ? ownerFrame(*owner, frame) : area;
    form.move(centredFramePosition(target, form.size(), frame, area));
}

} // namespace ui
