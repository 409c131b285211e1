// Pictures: the @2x twin on high-DPI screens, the uncompressed twin before
// the original, and the shipped twins showing exactly what the originals do.

#include "ui/pictures.h"

#include <QImage>
#include <QImageReader>
#include <QResource>
#include <gtest/gtest.h>

namespace ui::test {
namespace {

// "WxH@ratio #rrggbbaa" of the pixmap's device pixels and its top-left pixel.
QString describe(const QPixmap& pixmap) {
    if (pixmap.isNull())
        return "null";
    const QColor corner = pixmap.toImage().pixelColor(0, 0);
    return QString("%1x%2@%3 %4")
        .arg(pixmap.width())
        .arg(pixmap.height())
        .arg(pixmap.devicePixelRatio())
        .arg(corner.name(QColor::HexArgb));
}

TEST(LoadPicture, TakesTheTwinThatSuitsTheScreen) {
    struct Row {
        const char* name;
        const char* resource;
        qreal ratio;
        const char* expected;
    };
    const Row rows[] = {
        {"1x reads the named file", ":/test/logo.xpm", 1, "12x7@1 #ff0000c0"},
        {"2x reads the uncompressed @2x twin", ":/test/logo.xpm", 2, "24x14@2 #ffe00000"},
        {"1.5x scales the @2x twin to the screen", ":/test/logo.xpm", 1.5, "18x11@1.5 #ffe00000"},
        {"1.25x too", ":/test/logo.xpm", 1.25, "15x9@1.25 #ffe00000"},
        {"without an @2x twin 2x keeps the 1x picture", ":/test/rgba.pam", 2, "3x2@1 #8000ff00"},
        {"RGBA keeps its alpha", ":/test/rgba.pam", 1, "3x2@1 #8000ff00"},
        {"missing", ":/test/none.png", 1, "null"},
        {"missing at 2x", ":/test/none.png", 2, "null"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(describe(loadPicture(row.resource, row.ratio)), row.expected) << row.name;
}

TEST(LoadPicture, ShowsTheTwinAtTheOriginalsLogicalSize) {
    const QPixmap sharp = loadPicture(":/test/logo.xpm", 2);
    EXPECT_EQ(sharp.deviceIndependentSize(), QSizeF(12, 7));
    const QPixmap scaled = loadPicture(":/test/logo.xpm", 1.5);
    EXPECT_NEAR(scaled.deviceIndependentSize().width(), 12, 0.5);
    EXPECT_NEAR(scaled.deviceIndependentSize().height(), 7, 0.5);
}

// Each holds a flaw that must make the loader refuse the file rather than
// show garbage or read past the end.
TEST(LoadPicture, RefusesPamItCannotShowInPlace) {
    for (const char* resource : {
             ":/test/short.pam",  // fewer bytes than its size needs
             ":/test/deep.pam",   // 16 bits a sample
             ":/test/grey.pam",   // one channel
             ":/test/open.pam",   // header never ends
             ":/test/packed.pam", // stored compressed
         })
        EXPECT_EQ(describe(loadPicture(resource, 1)), "null") << resource;
}

// The loader prefers the .pam twins. They must hold what the originals show
// (compared premultiplied, as a pixmap holds them), or a redrawn logo would go
// unseen; and they must stay uncompressed, or the loader would quietly fall
// back to decoding the originals.
TEST(ShippedPictures, TwinsMatchTheirOriginalsPixelForPixel) {
    // The Windows build's Qt has no JPEG reader: the program never needs one.
    if (!QImageReader::supportedImageFormats().contains("jpeg"))
        GTEST_SKIP() << "no JPEG reader in this Qt; the twins are compared where there is one";
    for (const char* original :
         {":/logos/logo_150x101.jpg", ":/logos/logo_175x101.jpg", ":/logos/logo_150x101@2x.jpg",
          ":/logos/logo_175x101@2x.jpg", ":/icons/zentaro_48.png"}) {
        SCOPED_TRACE(original);
        QString twin = QString(original).replace(".jpg", ".pam").replace(".png", ".pam");
        EXPECT_EQ(QResource(twin).compressionAlgorithm(), QResource::NoCompression);
        const QImage expected =
            QImage(original).convertToFormat(QImage::Format_ARGB32_Premultiplied);
        const QImage shown =
            loadPicture(original, 1).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        ASSERT_FALSE(expected.isNull());
        ASSERT_EQ(shown.size(), expected.size());
        int differing = 0;
        for (int y = 0; y < expected.height(); ++y)
            for (int x = 0; x < expected.width(); ++x)
                differing += shown.pixel(x, y) != expected.pixel(x, y);
        EXPECT_EQ(differing, 0);
    }
}

} // namespace
} // namespace ui::test
