// Where a window opens beside the panel: the same rule on every build, in
// screen pixels, with no toolkit or OS behind it. A frontend hands in the
// work area of the panel's monitor (the screen less its task bars), the
// panel's rectangle and the new window's size, and moves the window there.
#ifndef VELMORA_PANEL_WINDOW_PLACEMENT_H
#define VELMORA_PANEL_WINDOW_PLACEMENT_H

struct ScreenRect {
    int x, y, w, h;
    int Right() const { return x + w; }
    int Bottom() const { return y + h; }
};

struct ScreenPoint {
    int x, y;
    bool operator==(const ScreenPoint&) const = default;
};

// The top-left corner for a `width` x `height` window next to `panel`:
//  - beside it, `gap` pixels away, on its right, else on its left, its top
//    level with the panel's, when it fits inside the work area that way;
//  - else above or below it;
//  - else where it covers the least of the panel, the side with more room
//    first;
// always inside `workArea`. A window larger than the work area keeps its
// top-left corner inside, so its caption can be reached.
ScreenPoint PlaceBeside(const ScreenRect& workArea, const ScreenRect& panel, int width, int height,
                        int gap);

#endif
