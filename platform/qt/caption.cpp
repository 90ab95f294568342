#include "platform/qt/caption.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <algorithm>

namespace abacone {
namespace {

int PixelSizeOf(const QFont& font) { return font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize(); }

QFont Sized(QFont font, int pixels) {
    font.setPixelSize(pixels);
    return font;
}

Box ToBox(const QRect& r) { return {r.x(), r.y(), r.width(), r.height()}; }

CaptionMeasure MeasureOf(const QFont& font, const QString& text) {
    static const QString reference = QString::fromLatin1(CaptionReference);
    return {[font, text](int size) { return ToBox(InkBox(Sized(font, size), text)); },
            [font](int size) { return ToBox(InkBox(Sized(font, size), reference)); },
            [font](int size) { return QFontMetrics(Sized(font, size)).ascent(); }};
}

// Cached, since the answer depends only on the face and the height.
int SizeForHeight(const QFont& font, int height) {
    static QHash<QString, int> cache;
    const QString key = font.key() + QLatin1Char('/') + QString::number(height);
    if (auto it = cache.constFind(key); it != cache.constEnd()) return *it;
    const int size = CaptionSizeForHeight(MeasureOf(font, {}), PixelSizeOf(font), height);
    cache.insert(key, size);
    return size;
}

}  // namespace

QRect InkBox(const QFont& font, const QString& text) {
    if (text.isEmpty()) return {};
    const QFontMetrics metrics(font);
    const int pad = metrics.height();
    QImage image(metrics.horizontalAdvance(text) + 2 * pad, metrics.height() + 2 * pad,
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    const QPoint origin(pad, pad + metrics.ascent());
    {
        QPainter p(&image);
        p.setFont(font);
        p.setPen(Qt::white);
        p.drawText(origin, text);
    }
    int left = image.width(), top = image.height(), right = -1, bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) == 0) continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    if (right < 0) return {};
    return QRect(QPoint(left, top), QPoint(right, bottom)).translated(-origin);
}

CaptionLayout FitCaption(const QFont& font, const QString& text, QRect area, Align alignment) {
    const CaptionFit fit =
        FitCaption(MeasureOf(font, text), SizeForHeight(font, area.height()), ToBox(area), alignment);
    return {Sized(font, fit.Size), QPoint(fit.Origin.X, fit.Origin.Y)};
}

}  // namespace abacone
