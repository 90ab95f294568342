#include "data/icon_theme.h"

#include <QDir>
#include <QFile>
#include <cstdio>
#include <iterator>

#include "shell/icons/icon_art.h"

namespace abacone {

// 16, 32 and their whole multiples; 48 is the small drawing tripled.
// clang-format off
const ThemeIconSize ThemeIconSizes[] = {
    {16, Application16, 1}, {32, Application32, 1}, {48, Application16, 3},
    {64, Application32, 2}, {128, Application32, 4},
};
// clang-format on
const int ThemeIconSizeCount = int(std::size(ThemeIconSizes));

QImage ThemeImage(const ThemeIconSize& size) {
    const QImage art = QImage(size.Art).convertToFormat(QImage::Format_ARGB32);
    return art.scaled(art.size() * size.Scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

std::string SvgFromImage(const QImage& image) {
    char line[160];
    std::snprintf(line, sizeof line,
                  "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%d\" height=\"%d\" "
                  "viewBox=\"0 0 %d %d\" shape-rendering=\"crispEdges\">\n",
                  image.width(), image.height(), image.width(), image.height());
    std::string svg = line;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width();) {
            const QRgb colour = image.pixel(x, y);
            int end = x + 1;
            while (end < image.width() && image.pixel(end, y) == colour) ++end;
            if (qAlpha(colour) != 0) {
                std::snprintf(line, sizeof line,
                              "<rect x=\"%d\" y=\"%d\" width=\"%d\" height=\"1\" "
                              "fill=\"#%02x%02x%02x\"/>\n",
                              x, y, end - x, qRed(colour), qGreen(colour), qBlue(colour));
                svg += line;
            }
            x = end;
        }
    }
    svg += "</svg>\n";
    return svg;
}

QString WriteIconTheme(const QString& dir, const QString& name) {
    const QDir root(dir);
    for (const ThemeIconSize& size : ThemeIconSizes) {
        const QString folder = QStringLiteral("hicolor/%1x%1/apps").arg(size.Size);
        const QString path = root.filePath(folder + "/" + name + ".png");
        if (!root.mkpath(folder) || !ThemeImage(size).save(path, "PNG")) return path;
    }
    const QString path = root.filePath("hicolor/scalable/apps/" + name + ".svg");
    QFile svg(path);
    const std::string text = SvgFromImage(QImage(Application32).convertToFormat(QImage::Format_ARGB32));
    if (!root.mkpath("hicolor/scalable/apps") || !svg.open(QIODevice::WriteOnly) ||
        svg.write(text.data(), qint64(text.size())) != qint64(text.size()) || !svg.flush()) {
        return path;
    }
    return {};
}

}  // namespace abacone
