// The icon theme files: every size and the SVG show exactly the program's own pixels.
#include "data/icon_theme.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "shell/icons/icon_art.h"

namespace {

using abacone::ThemeIconSize;

QImage Art(const char* const* xpm) { return QImage(xpm).convertToFormat(QImage::Format_ARGB32); }

// Paints the SVG's rectangles onto a transparent image of its own size.
QImage ImageFromSvg(const std::string& svg) {
    const QString text = QString::fromStdString(svg);
    const QRegularExpressionMatch size = QRegularExpression(R"re(viewBox="0 0 (\d+) (\d+)")re").match(text);
    if (!size.hasMatch()) return {};
    QImage image(size.captured(1).toInt(), size.captured(2).toInt(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    const QRegularExpression rect(R"re(<rect x="(\d+)" y="(\d+)" width="(\d+)" height="1" fill="#([0-9a-f]{6})"/>)re");
    for (const QRegularExpressionMatch& m : rect.globalMatch(text)) {
        const QRgb colour = 0xff000000u | m.captured(4).toUInt(nullptr, 16);
        for (int i = 0; i < m.captured(3).toInt(); ++i) {
            image.setPixel(m.captured(1).toInt() + i, m.captured(2).toInt(), colour);
        }
    }
    return image;
}

TEST(IconTheme, EverySizeEnlargesTheDrawingPixelForPixel) {
    std::vector<int> sizes;
    for (int i = 0; i < abacone::ThemeIconSizeCount; ++i) {
        const ThemeIconSize& size = abacone::ThemeIconSizes[i];
        sizes.push_back(size.Size);
        const QImage art = Art(size.Art);
        const QImage image = abacone::ThemeImage(size);
        ASSERT_EQ(image.size(), QSize(size.Size, size.Size)) << size.Size;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                ASSERT_EQ(image.pixel(x, y), art.pixel(x / size.Scale, y / size.Scale))
                    << size.Size << " at " << x << "," << y;
            }
        }
    }
    EXPECT_EQ(sizes, (std::vector<int>{16, 32, 48, 64, 128}));
}

TEST(IconTheme, SvgHoldsEveryOpaquePixelAndNoOther) {
    for (const char* const* xpm : {abacone::Application32, abacone::Application16, abacone::Tray16}) {
        const QImage art = Art(xpm);
        const QImage back = ImageFromSvg(abacone::SvgFromImage(art));
        ASSERT_EQ(back.size(), art.size());
        for (int y = 0; y < art.height(); ++y) {
            for (int x = 0; x < art.width(); ++x) {
                const QRgb want = qAlpha(art.pixel(x, y)) == 0 ? 0u : art.pixel(x, y);
                ASSERT_EQ(back.pixel(x, y), want) << x << "," << y;
            }
        }
    }
}

TEST(IconTheme, WritesTheThemeFoldersAndReportsWhatFailed) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_EQ(abacone::WriteIconTheme(dir.path(), "abacone"), QString());
    for (int size : {16, 32, 48, 64, 128}) {
        const QImage png(dir.filePath(QStringLiteral("hicolor/%1x%1/apps/abacone.png").arg(size)));
        EXPECT_EQ(png.size(), QSize(size, size)) << size;
        EXPECT_TRUE(png.hasAlphaChannel()) << size;
    }
    QFile svg(dir.filePath("hicolor/scalable/apps/abacone.svg"));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    EXPECT_EQ(ImageFromSvg(svg.readAll().toStdString()), Art(abacone::Application32));

    // A file where the theme's folder should be: the failure names the path.
    QFile blocker(dir.filePath("blocked"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_TRUE(abacone::WriteIconTheme(dir.filePath("blocked"), "abacone").contains("blocked"));
}

}  // namespace
