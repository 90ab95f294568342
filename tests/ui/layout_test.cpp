#include <QFontInfo>
#include <QImage>

#include "tests/ui/main_window_fixture.h"

namespace abacone {
namespace {

struct Expected {
    const char* Name;
    QRect Box;
    QRgb Background;
};

constexpr QRgb White = color::White, Blue = color::Blue, Silver = color::Silver, Navy = color::Navy, Gray = color::Gray;

// clang-format off
const Expected kLayout[] = {
    {"Label1", {0, 0, 172, 16}, White},      {"Label3", {0, 16, 156, 12}, Blue},
    {"Label4", {156, 16, 16, 12}, Blue},     {"Label2", {96, 28, 32, 12}, Silver},
    {"Memory1", {0, 100, 156, 12}, White},   {"Memory1h", {0, 112, 156, 12}, Blue},
    {"Label5", {156, 112, 16, 12}, Blue},    {"Memory2", {0, 136, 156, 12}, White},
    {"Memory2h", {0, 148, 156, 12}, Blue},   {"Label8", {156, 148, 16, 12}, Blue},
    {"Panel10", {0, 28, 20, 12}, Navy},      {"Panel11", {20, 28, 20, 12}, Navy},
    {"Panel12", {40, 28, 20, 12}, Navy},     {"Panel16", {64, 28, 32, 12}, Navy},
    {"Panel20", {132, 28, 40, 12}, Navy},    {"Panel7", {0, 40, 20, 12}, Navy},
    {"Panel8", {20, 40, 20, 12}, Navy},      {"Panel9", {40, 40, 20, 12}, Navy},
    {"Panel15", {64, 40, 32, 12}, Navy},     {"Panel23", {96, 40, 32, 12}, Navy},
    {"Panel19", {132, 40, 40, 12}, Navy},    {"Panel4", {0, 52, 20, 12}, Navy},
    {"Panel5", {20, 52, 20, 12}, Navy},      {"Panel6", {40, 52, 20, 12}, Navy},
    {"Panel14", {64, 52, 32, 12}, Navy},     {"Panel22", {96, 52, 32, 12}, Navy},
    {"Panel18", {132, 52, 40, 12}, Navy},    {"Panel1", {0, 64, 20, 12}, Navy},
    {"Panel2", {20, 64, 20, 12}, Navy},      {"Panel3", {40, 64, 24, 12}, Gray},
    {"Panel13", {64, 64, 32, 12}, Navy},     {"Panel21", {96, 64, 32, 12}, Navy},
    {"Panel17", {132, 64, 40, 12}, Navy},    {"Root", {0, 76, 34, 12}, Navy},
    {"InputPM", {34, 76, 46, 12}, Navy},     {"InputC", {80, 76, 46, 12}, Navy},
    {"InputM", {126, 76, 46, 12}, Navy},     {"RM1", {0, 88, 64, 12}, Navy},
    {"Mem1", {66, 88, 56, 12}, Navy},        {"Panel24", {128, 88, 44, 12}, Navy},
    {"RM2", {0, 124, 64, 12}, Navy},         {"M2", {66, 124, 56, 12}, Navy},
    {"Panel25", {128, 124, 44, 12}, Navy},   {"Panel26", {1, 160, 24, 12}, Navy},
    {"Panel27", {28, 160, 32, 12}, Navy},    {"Panel28", {64, 160, 32, 12}, Navy},
    {"Panel29", {100, 160, 32, 12}, Navy},   {"Panel30", {136, 160, 32, 12}, Navy},
    {"Panel31", {0, 173, 32, 12}, Navy},     {"Panel33", {36, 173, 24, 12}, Navy},
    {"Panel32", {64, 173, 32, 12}, Navy},    {"Panel34", {100, 173, 20, 12}, Navy},
    {"Panel35", {124, 173, 20, 12}, Navy},   {"Panel36", {148, 173, 24, 12}, Navy},
};
// clang-format on

QRgb PixelInside(const QImage& image, const QRect& box) {
    return image.pixel(box.left() + 2, box.top() + 2) | 0xFF000000;
}

TEST_F(MainWindowTest, EveryControlHasItsBoxAndColourOnScreen) {
    form->SetClientHeight(186);
    const QImage image = Widget(*form)->grab().toImage();
    ASSERT_EQ(image.size(), QSize(173, 186));
    for (const Expected& e : kLayout) {
        EXPECT_EQ(Widget(*Control(e.Name))->geometry(), e.Box) << e.Name;
        EXPECT_EQ(PixelInside(image, e.Box), e.Background) << e.Name;
    }
    EXPECT_EQ(image.pixel(61, 33) | 0xFF000000, color::Black);  // the window between the keys
    EXPECT_EQ(image.pixel(26, 165) | 0xFF000000, color::Black);
}

TEST_F(MainWindowTest, TheOneKeyTurnsTealAfterANonZeroStore) {
    Type("5=m");
    QImage image = Widget(*form)->grab().toImage();
    EXPECT_EQ(PixelInside(image, {0, 52, 20, 12}), color::Teal);
    Type("0=m");
    image = Widget(*form)->grab().toImage();
    EXPECT_EQ(PixelInside(image, {0, 52, 20, 12}), color::Navy);
}

TEST_F(MainWindowTest, FontsArePixelSizedJapaneseGothicBold) {
    const struct {
        const char* Name;
        int Pixels;
        bool Italic;
    } cases[] = {{"Label1", 15, false},
                 {"Label3", 13, false},
                 {"Label4", 13, true},
                 {"Panel22", 12, false},
                 {"Panel10", 13, false}};
    for (const auto& c : cases) {
        const QFontInfo info(Widget(*Control(c.Name))->font());
        EXPECT_EQ(info.pixelSize(), c.Pixels) << c.Name;
        EXPECT_TRUE(info.bold()) << c.Name;
        EXPECT_EQ(info.italic(), c.Italic) << c.Name;
        EXPECT_TRUE(info.family() == "IPAGothic" || info.family().contains("Gothic") ||
                    info.family() == "ＭＳ ゴシック")
            << c.Name << " " << info.family().toStdString();
    }
}

}  // namespace
}  // namespace abacone
