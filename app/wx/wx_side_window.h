// What a window that opens beside the panel (Andamento, Traffico) needs
// from wx and GTK: its place by the rule of panel/window_placement.h, and
// a window group of its own, so it stays usable while the panel runs a
// box or a file chooser modally (GTK gives a modal window's grab to its
// whole window group).
#ifndef VELMORA_APP_WX_WX_SIDE_WINDOW_H
#define VELMORA_APP_WX_WX_SIDE_WINDOW_H

class wxWindow;

// Moves `window` beside `panel`, inside the work area of the panel's display.
void PlaceBesidePanel(wxWindow& window, const wxWindow& panel);
// Takes `window` out of the panel's window group.
void GroupOfItsOwn(wxWindow& window);

#endif
