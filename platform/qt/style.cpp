#include <QStringList>

#include "platform/qt/qt_window.h"

namespace abacone {

QFont MakeFont(const FontSpec& spec) {
    // The Windows face under both of its names, then the free Japanese Gothic.
    static const QStringList families{QStringLiteral("MS Gothic"), QStringLiteral("ＭＳ ゴシック"),
                                      QStringLiteral("IPAGothic"), QStringLiteral("monospace")};
    QFont font;
    font.setFamilies(families);
    font.setStyleHint(QFont::Monospace);
    font.setPixelSize(spec.PixelSize);
    font.setBold(spec.Bold);
    font.setItalic(spec.Italic);
    return font;
}

}  // namespace abacone
