#include "ui/fonts.h"

#include <QFont>
#include <QFontDatabase>
#include <QHash>
#include <QStringList>
#include <algorithm>

namespace ui {

namespace {

// Every caption was laid out for MS Sans Serif's widths, and every window is
// checked with Liberation Sans on Linux. Arial has exactly Liberation Sans's
// widths (Liberation was drawn to match them), so whichever of the two a
// machine has, every caption breaks on the same lines and nothing is cut.
// On Windows, Arial is always there and drawn natively, so it goes first;
// Microsoft Sans Serif, MS Sans Serif's own scalable twin, is closer in look
// but not in widths, and is only the fallback after them.
#if defined(Q_OS_WIN)
const QStringList kSansSubstitutes{QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                                   QStringLiteral("Microsoft Sans Serif"),
                                   QStringLiteral("Tahoma")};
const QStringList kVerdanaSubstitutes{QStringLiteral("DejaVu Sans"), QStringLiteral("Tahoma")};
#else
const QStringList kSansSubstitutes{QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                                   QStringLiteral("DejaVu Sans")};
const QStringList kVerdanaSubstitutes{QStringLiteral("DejaVu Sans")};
#endif

// MS Sans Serif is installed on every Windows, but as a bitmap face: drawn
// at a handful of pixel sizes only (Wine's at 11, 13 and 16 px), with bold
// faked or dropped. At any other size, or on a high-DPI screen, Windows and
// Qt fall back to the nearest bitmap, so the 18 pt bold title comes out small
// and regular and captions wrap. A scalable face of the same widths is always
// the better choice, so a bitmap face is never asked for.
bool scalable(const QString& family) {
#if defined(Q_OS_WIN)
    if (family.compare(QLatin1String("MS Sans Serif"), Qt::CaseInsensitive) == 0)
        return false;
#endif
    return QFontDatabase::isSmoothlyScalable(family);
}

} // namespace

void registerFontSubstitutes() {
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), kSansSubstitutes);
    QFont::insertSubstitutions(QStringLiteral("Verdana"), kVerdanaSubstitutes);
}

// The designer's faces are seldom installed. Asking Qt for a missing face
// costs fontconfig fallback searches at every start, so ask for the first
// installed substitute instead; where the face itself is installed and
// scalable, it wins.
QString resolveFace(std::u16string_view face) {
    // families() lists what is installed without the alias resolution, and its
    // fontconfig work, that hasFamily() does for each name.
    static const QStringList families = QFontDatabase::families();
    static QHash<QString, QString> resolved;
    const QString wanted = QString::fromUtf16(face.data(), static_cast<qsizetype>(face.size()));
    if (const auto it = resolved.constFind(wanted); it != resolved.constEnd())
        return *it;
    // Substitutes come back in lower case; answer with the installed spelling.
    const auto installed = [](const QString& name) {
        return std::find_if(families.begin(), families.end(), [&name](const QString& family) {
            return family.compare(name, Qt::CaseInsensitive) == 0;
        });
    };
    QString result = wanted;
    if (const auto it = installed(wanted); it == families.end() || !scalable(*it)) {
        for (const QString& substitute : QFont::substitutes(wanted)) {
            if (const auto found = installed(substitute); found != families.end()) {
                result = *found;
                break;
            }
        }
    }
    resolved.insert(wanted, result);
    return result;
}

} // namespace ui
