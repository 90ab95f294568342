#include "shell/icons/icon_art.h"

namespace abacone {

// 16 colours at most, as the images were first drawn; blank is transparent.
// clang-format off
#define ABACONE_ICON_COLOURS                                                          \
    "  c None", "k c #000000", "w c #FFFFFF", "b c #0000FF", "n c #000080",         \
        "s c #C0C0C0", "g c #808080", "t c #008080"
// clang-format on

// The calculator's face: decimal line, hexadecimal line with its "h", keypad.
// clang-format off
const char* const Application32[] = {
    "32 32 8 1", ABACONE_ICON_COLOURS,
    " kkkkkkkkkkkkkkkkkkkkkkkkkkkkkk ",
    "kkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkk",
    "kkwwwwwwwwwwwwwwwwwwwwwwwwwwwwkk",
    "kkwwwwwwwwwwwwwwwkwwkkkwkkkwwwkk",
    "kkwwwwwwwwwwwwwwkkwwwwkwwwkwwwkk",
    "kkwwwwwwwwwwwwwwwkwwkkkwkkkwwwkk",
    "kkwwwwwwwwwwwwwwwkwwkwwwwwkwwwkk",
    "kkwwwwwwwwwwwwwwkkkwkkkwkkkwwwkk",
    "kkwwwwwwwwwwwwwwwwwwwwwwwwwwwwkk",
    "kkwwwwwwwwwwwwwwwwwwwwwwwwwwwwkk",
    "kkbbbbbbbbbbbbbbbbbbbbbbbbbsbbkk",
    "kkbbbbbbbbbbbbbbbbbbbbbbbbbsbbkk",
    "kkbbbbbbbbbbbbbbbbbbbbbbbbbssbkk",
    "kkbbbbbbbbbbbbbbbbbbbbbbbbbssbkk",
    "kkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkk",
    "kknnnnnknnnnnknnnnnkssssskttttkk",
    "kknnnnnknnnnnknnnnnkssssskttttkk",
    "kknnnnnknnnnnknnnnnkssssskttttkk",
    "kknnnnnknnnnnknnnnnkssssskttttkk",
    "kkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkk",
    "kknnnnnknnnnnknnnnnknnnnnkttttkk",
    "kknnnnnknnnnnknnnnnknnnnnkttttkk",
    "kknnnnnknnnnnknnnnnknnnnnkttttkk",
    "kknnnnnknnnnnknnnnnknnnnnkttttkk",
    "kkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkk",
    "kknnnnnknnnnnkgggggknnnnnkttttkk",
    "kknnnnnknnnnnkgggggknnnnnkttttkk",
    "kknnnnnknnnnnkgggggknnnnnkttttkk",
    "kknnnnnknnnnnkgggggknnnnnkttttkk",
    "kkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkk",
    "kkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkk",
    " kkkkkkkkkkkkkkkkkkkkkkkkkkkkkk ",
};
// clang-format on

// clang-format off
const char* const Application16[] = {
    "16 16 8 1", ABACONE_ICON_COLOURS,
    " kkkkkkkkkkkkkk ",
    "kwwwwwwwwwwwwwwk",
    "kwwwwwwwkwkkkwwk",
    "kwwwwwwwkwwwkwwk",
    "kbbbbbbbbbbbbsbk",
    "kkkkkkkkkkkkkkkk",
    "knnknnknnkssktkk",
    "knnknnknnkssktkk",
    "kkkkkkkkkkkkkkkk",
    "knnknnknnknnktkk",
    "knnknnknnknnktkk",
    "kkkkkkkkkkkkkkkk",
    "knnknnkggknnktkk",
    "knnknnkggknnktkk",
    "kkkkkkkkkkkkkkkk",
    " kkkkkkkkkkkkkk ",
};
// clang-format on

// In the notification area: a teal tile with the white display line and a plus sign,
// so it reads as "calculator" beside other icons of the same size.
// clang-format off
const char* const Tray16[] = {
    "16 16 8 1", ABACONE_ICON_COLOURS,
    "  tttttttttttt  ",
    " tttttttttttttt ",
    "ttwwwwwwwwwwwwtt",
    "ttwwwwwwwwwwwwtt",
    "ttwwwwwwwwwwwwtt",
    "tttttttttttttttt",
    "tttttttwwttttttt",
    "tttttttwwttttttt",
    "tttttwwwwwwttttt",
    "tttttwwwwwwttttt",
    "tttttttwwttttttt",
    "tttttttwwttttttt",
    "tttttttttttttttt",
    "ttkkkkkkkkkkkktt",
    " tttttttttttttt ",
    "  tttttttttttt  ",
};
// clang-format on

#undef ABACONE_ICON_COLOURS

}  // namespace abacone
