#include "shell/logic/attach.h"

namespace abacone {
namespace {

bool Disjoint(const Box& a, const Box& b) {
    return a.Right() <= b.Left || b.Right() <= a.Left || a.Bottom() <= b.Top || b.Bottom() <= a.Top;
}

}  // namespace

AttachMoves AttachStep(const AttachView& view) {
    AttachMoves moves;
    if (view.MainIconic || view.MainHeight >= AttachMaxHeight || view.ApplicationActive) return moves;
    // A minimised window or one parked off every screen would carry the calculator out
    // of reach; the desktop and the panels are still followed.
    if (!view.Foreground || view.Foreground->Iconic) return moves;
    const Box& r = view.Foreground->Frame;
    if (Disjoint(r, view.Desktop)) return moves;

    moves.Main = Point{r.Left, r.Top};
    if (view.BinaryWindowOpen) {
        int y = r.Top + view.MainHeight;
        if (y > view.ScreenHeight) y = view.ScreenHeight - view.BinaryWindowHeight;
        moves.Binary = Point{r.Left, y};
    }
    return moves;
}

}  // namespace abacone
