#include "ui/loader.h"

#include "ui/form.h"

#include <QByteArrayView>
#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QResource>
#include <QScreen>
#include <QStringList>
#include <algorithm>
#include <array>
#include <optional>
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

QString unescapeAmpersands(QString caption) {
    return caption.replace(QStringLiteral("&&"), QStringLiteral("&"));
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

void paintBackground(QWidget& widget, const QColor& colour) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, colour);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

QWidget* makeButton(const ControlDef& c, Form& form) {
    auto* button = new QPushButton(escapeAmpersands(toQString(c.caption)), &form);
    // No default button anywhere: Enter in a text box must do nothing.
    button->setAutoDefault(false);
    button->setDefault(false);
    button->setFocusPolicy(Qt::StrongFocus);
    return button;
}

QWidget* makeTextBox(const ControlDef& c, Form& form) {
    auto* edit = new QLineEdit(toQString(c.caption), &form);
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
    paintBackground(*label, c.backColour ? toQColor(*c.backColour, form.palette())
                                         : form.palette().color(QPalette::Button));
    return label;
}

// The fields of a PAM header ("P7", then "NAME value" lines up to ENDHDR)
// that matter here. Ex: "P7\nWIDTH 2\nHEIGHT 1\nDEPTH 3\nMAXVAL 255\n
// TUPLTYPE RGB\nENDHDR\n" gives width 2, height 1, depth 3, maxValue 255.
struct PamHeader {
    qsizetype width = 0, height = 0, depth = 0, maxValue = 0, dataStart = 0;
};

std::optional<PamHeader> readPamHeader(QByteArrayView bytes) {
    if (!bytes.startsWith("P7\n"))
        return std::nullopt;
    PamHeader header;
    const std::pair<QByteArrayView, qsizetype PamHeader::*> fields[] = {
        {"WIDTH", &PamHeader::width},
        {"HEIGHT", &PamHeader::height},
        {"DEPTH", &PamHeader::depth},
        {"MAXVAL", &PamHeader::maxValue},
    };
    for (qsizetype at = 3, end; (end = bytes.indexOf('\n', at)) >= 0; at = end + 1) {
        const QByteArrayView line = bytes.sliced(at, end - at);
        if (line == "ENDHDR") {
            header.dataStart = end + 1;
            return header;
        }
        for (const auto& [name, field] : fields) {
            if (line.size() > name.size() && line.startsWith(name) && line[name.size()] == ' ') {
                bool ok = false;
                header.*field = line.sliced(name.size() + 1).toLongLong(&ok);
                if (!ok)
                    return std::nullopt;
            }
        }
    }
    return std::nullopt;
}

// A PAM image (8-bit RGB or RGBA) stored uncompressed in the resources, as
// an image over the resource's own bytes: no image plugin to look for and
// nothing to decode. A null image for anything else.
QImage wrapPam(const QResource& resource) {
    if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression)
        return {};
    const QByteArrayView bytes(resource.data(), resource.size());
    const std::optional<PamHeader> h = readPamHeader(bytes);
    constexpr qsizetype kLargest = 16384;
    if (!h || h->width <= 0 || h->height <= 0 || h->width > kLargest || h->height > kLargest ||
        h->maxValue != 255 || (h->depth != 3 && h->depth != 4) ||
        bytes.size() - h->dataStart < h->width * h->height * h->depth)
        return {};
    return QImage(resource.data() + h->dataStart, static_cast<int>(h->width),
                  static_cast<int>(h->height), h->width * h->depth,
                  h->depth == 3 ? QImage::Format_RGB888 : QImage::Format_RGBA8888);
}

// Ex: twin(":/logos/logo.jpg", u"@2x", u".pam") == ":/logos/logo@2x.pam";
//     twin(":/logos/logo.jpg", u"@2x", u"") == ":/logos/logo@2x.jpg".
QString twin(const QString& path, QStringView tag, QStringView suffix) {
    const qsizetype dot = path.lastIndexOf(u'.');
    const qsizetype stemEnd = dot > path.lastIndexOf(u'/') ? dot : path.size();
    QString result = path.left(stemEnd);
    result.append(tag);
    return result.append(suffix.isEmpty() ? QStringView(path).sliced(stemEnd) : suffix);
}

// The picture at path, from its uncompressed twin when the resources hold
// one; a null pixmap when there is neither.
QPixmap readPicture(const QString& path) {
    const QImage pam = wrapPam(QResource(twin(path, u"", u".pam")));
    if (!pam.isNull())
        return QPixmap::fromImage(pam);
    return QFile::exists(path) ? QPixmap(path) : QPixmap();
}

} // namespace

QPixmap loadPicture(std::string_view resource, qreal devicePixelRatio) {
    const QString path = toQString(resource);
    if (devicePixelRatio > 1) {
        QPixmap sharp = readPicture(twin(path, u"@2x", u""));
        if (!sharp.isNull()) {
            // Scaled once here, smoothly, to the screen's own ratio, rather
            // than sampled pixel by pixel at every paint.
            if (devicePixelRatio != 2) {
                const QSizeF device = QSizeF(sharp.size()) * (devicePixelRatio / 2);
                sharp =
                    sharp.scaled(device.toSize(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            }
            sharp.setDevicePixelRatio(devicePixelRatio);
            return sharp;
        }
    }
    return readPicture(path);
}

namespace {

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

// A text box is announced by the caption of the label that names its row.
void nameTextBoxes(const Form& form, const WindowDef& def) {
    for (const ControlDef& c : def.controls) {
        if (c.labelFor.empty())
            continue;
        auto* label = qobject_cast<QLabel*>(findControl(form, c.name));
        QWidget* target = findControl(form, c.labelFor);
        if (label == nullptr || target == nullptr)
            qFatal("window %s: label %s names a missing control", def.name.data(), c.name.data());
        target->setAccessibleName(label->text());
        // A buddy turns an '&' in the caption into an access key; skip it then.
        if (!label->text().contains(u'&'))
            label->setBuddy(target);
    }
}

void orderFocus(const Form& form, const WindowDef& def) {
    std::vector<std::pair<int, QWidget*>> chain;
    for (const ControlDef& c : def.controls)
        if (takesFocus(c.kind))
            chain.emplace_back(c.tabIndex, findControl(form, c.name));
    std::stable_sort(chain.begin(), chain.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1].second, chain[i].second);
    if (!chain.empty())
        chain.front().second->setFocus(Qt::OtherFocusReason);
}

void wireActions(Form& form, const WindowDef& def) {
    for (const ActionDef& action : def.actions) {
        auto* button = qobject_cast<QPushButton*>(findControl(form, action.control));
        if (button == nullptr)
            qFatal("window %s: action for missing button %s", def.name.data(),
                   action.control.data());
        QObject::connect(button, &QPushButton::clicked, &form,
                         [&form, run = action.run] { run(form); });
    }
}

// The designer's faces are seldom installed. Asking Qt for a missing face
// costs fontconfig fallback searches at every start, so ask for the first
// installed substitute instead; where the face itself is installed, it wins.
QString installedFace(std::u16string_view face) {
    // families() lists what is installed without the alias resolution, and its
    // fontconfig work, that hasFamily() does for each name.
    static const QStringList families = QFontDatabase::families();
    static QHash<QString, QString> resolved;
    const QString wanted = toQString(face);
    if (const auto it = resolved.constFind(wanted); it != resolved.constEnd())
        return *it;
    // Substitutes come back in lower case; answer with the installed spelling.
    const auto installed = [](const QString& name) {
        return std::find_if(families.begin(), families.end(), [&name](const QString& family) {
            return family.compare(name, Qt::CaseInsensitive) == 0;
        });
    };
    QString result = wanted;
    if (installed(wanted) == families.end()) {
        for (const QString& substitute : QFont::substitutes(wanted)) {
            if (const auto it = installed(substitute); it != families.end()) {
                result = *it;
                break;
            }
        }
    }
    resolved.insert(wanted, result);
    return result;
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
    QFont result(installedFace(font.face.empty() ? kDefaultWindowFont.face : font.face));
    result.setPointSizeF(font.points);
    result.setWeight(font.bold ? QFont::Bold : QFont::Normal);
    result.setUnderline(font.underline);
    return result;
}

void registerFontSubstitutes() {
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                                QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Verdana"), {QStringLiteral("DejaVu Sans")});
}

void loadWindow(Form& form, const WindowDef& def) {
    form.setObjectName(toQString(def.name));
    form.setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                        Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    form.setWindowTitle(toQString(def.caption));
    form.setFont(toQFont(kDefaultWindowFont));
    paintBackground(form, form.palette().color(QPalette::Button));
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
    std::vector<QWidget*> labels;
    for (const ControlDef& c : def.controls) {
        QWidget* control = makeControl(c, form);
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
    nameTextBoxes(form, def);
    orderFocus(form, def);
    wireActions(form, def);
}

void placeWindow(Form& form, const QWidget* owner) {
    const QScreen* screen = owner != nullptr ? owner->screen() : QGuiApplication::primaryScreen();
    const QRect area = screen != nullptr ? screen->availableGeometry() : QRect();
    const bool overOwner =
        form.definition().startUp == StartUpPosition::CentreOwner && owner != nullptr;
    QRect placed({0, 0}, form.size());
    placed.moveCenter(overOwner ? owner->frameGeometry().center() : area.center());
    // Keep the title bar reachable when the owner stands near the screen's edge.
    placed.moveTopLeft({std::max(placed.left(), area.left()), std::max(placed.top(), area.top())});
    form.move(placed.topLeft());
}

QWidget* findControl(const Form& form, std::string_view name) {
    return form.findChild<QWidget*>(toQString(name), Qt::FindDirectChildrenOnly);
}

std::u16string captionOf(const QWidget& control) {
    if (const auto* edit = qobject_cast<const QLineEdit*>(&control))
        return edit->text().toStdU16String();
    if (const auto* button = qobject_cast<const QPushButton*>(&control))
        return unescapeAmpersands(button->text()).toStdU16String();
    if (const auto* label = qobject_cast<const QLabel*>(&control))
        return label->text().toStdU16String();
    return {};
}

void setCaption(QWidget& control, std::u16string_view caption) {
    if (auto* edit = qobject_cast<QLineEdit*>(&control))
        edit->setText(toQString(caption));
    else if (auto* button = qobject_cast<QPushButton*>(&control))
        button->setText(escapeAmpersands(toQString(caption)));
    else if (auto* label = qobject_cast<QLabel*>(&control))
        label->setText(toQString(caption));
}

} // namespace ui
