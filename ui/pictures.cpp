#include "ui/pictures.h"

#include <QByteArrayView>
#include <QFile>
#include <QImage>
#include <QResource>
#include <QSizeF>
#include <optional>
#include <utility>

namespace ui {

namespace {

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
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

} // namespace ui
