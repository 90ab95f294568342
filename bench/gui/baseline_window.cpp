// The start-up baseline: a bare Qt Widgets window of the calculator's shape (173 x 76,
// stay-on-top, two display labels, 28 small framed labels), with no engine and no menu.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window(nullptr, Qt::Window | Qt::WindowStaysOnTopHint);
    window.setWindowTitle(QStringLiteral("Baseline"));
    window.setFixedSize(173, 76);
    auto* decimal = new QLabel(QStringLiteral("0"), &window);
    decimal->setGeometry(0, 0, 172, 16);
    decimal->setAlignment(Qt::AlignRight);
    auto* hex = new QLabel(QStringLiteral("0"), &window);
    hex->setGeometry(0, 16, 156, 12);
    hex->setAlignment(Qt::AlignRight);
    static const char* const captions[28] = {"7",   "8",   "9", "＋", "Ｃ", "4",   "5",    "6", "－",  "±",
                                             "C&E", "1",   "2", "3",  "×",  "Hex", "Copy", "0", " ．", "＝",
                                             "÷",   "Bin", "←", "h",  "+",  "R",   "M",    "N"};
    for (int i = 0; i < 28; ++i) {
        auto* key = new QLabel(QString::fromUtf8(captions[i]), &window);
        key->setFrameStyle(QFrame::Panel | QFrame::Raised);
        key->setAlignment(Qt::AlignCenter);
        key->setGeometry((i % 7) * 24, 28 + (i / 7) * 12, 24, 12);
    }
    window.show();
    return QApplication::exec();
}
