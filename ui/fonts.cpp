#include "ui/fonts.h"

#include <QFont>
#include <QFontDatabase>
#include <QHash>
#include <QStringList>
#include <algorithm>

namespace ui {

void registerFontSubstitutes() {
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                                QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Verdana"), {QStringLiteral("DejaVu Sans")});
}

// The designer's faces are seldom installed. Asking Qt for a missing face
// costs fontconfig fallback searches at every start, so ask for the first
// installed substitute instead; where the face itself is installed, it wins.
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

} // namespace ui
