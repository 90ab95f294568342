#include "platform/qt/caption.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <optional>

namespace abacone {
namespace {

// The glyphs that set a font's size and baseline: the digits and capitals the keys and
// displays show most. Full-width and Japanese glyphs, a little taller, then fit by moving.
const QString& Reference() {
    static const QString text = QStringLiteral("0123456789ABCDEF");
    return text;
}

constexpr int SmallestSize = 6;

int PixelSizeOf(const QFont& font) {
    return font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
}

QFont Sized(QFont font, int pixels) {
    font.setPixelSize(pixels);
    return font;
}

// The largest size, up to the font's own, whose reference glyphs leave one row of `height`
// free: ink that fills the area would merge with a bevel's light edge. Cached, since the
// answer depends only on the face and the height.
int SizeForHeight(const QFont& font, int height) {
    static QHash<QString, int> cache;
    const QString key = font.key() + QLatin1Char('/') + QString::number(height);
    if (auto it = cache.constFind(key); it != cache.constEnd()) return *it;
    int size = PixelSizeOf(font);
    while (size > SmallestSize && InkBox(Sized(font, size), Reference()).height() >= height) --size;
    cache.insert(key, size);
    return size;
}

int Clamp(int origin, int inkFirst, int inkLast, int areaFirst, int areaLast) {
    if (origin + inkLast > areaLast) origin = areaLast - inkLast;
    if (origin + inkFirst < areaFirst) origin = areaFirst - inkFirst;
    return origin;
}

// The origin that puts the ink of `text` inside `area`, or nothing when it does not fit.
std::optional<QPoint> Place(const QFont& font, const QString& text, QRect area, Qt::Alignment alignment) {
    const QRect ink = InkBox(font, text);
    if (ink.isEmpty()) return QPoint(area.left(), area.top() + QFontMetrics(font).ascent());
    const bool right = alignment & Qt::AlignRight;
    const int room = area.width() - (right ? 1 : 0);
    if (ink.width() > room || ink.height() > area.height()) return std::nullopt;

    // Baselines follow the reference glyphs, so "log" and "ln" on one row share theirs;
    // a descender or a tall sign then moves the caption only as far as it must.
    const QRect ref = InkBox(font, Reference());
    int y = area.top() + (area.height() - ref.height()) / 2 - ref.top();
    y = Clamp(y, ink.top(), ink.bottom(), area.top(), area.bottom());

    int x = area.left();
    if (right)
        x = area.right() - 1 - ink.right();
    else if (alignment & Qt::AlignHCenter)
        x = area.left() + (area.width() - ink.width()) / 2 - ink.left();
    x = Clamp(x, ink.left(), ink.right(), area.left(), area.right() - (right ? 1 : 0));
    return QPoint(x, y);
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

CaptionLayout FitCaption(const QFont& font, const QString& text, QRect area, Qt::Alignment alignment) {
    int size = SizeForHeight(font, area.height());
    for (;; --size) {
        const QFont sized = Sized(font, size);
        if (auto origin = Place(sized, text, area, alignment)) return {sized, *origin};
        if (size <= SmallestSize) return {sized, area.topLeft() + QPoint(0, QFontMetrics(sized).ascent())};
    }
}

}  // namespace abacone
