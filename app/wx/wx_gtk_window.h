// What the programs' top-level windows need from GTK that wx does not offer.
// The adapter takes the GTK window behind a wx top-level (GetHandle()).
//
//  [X] Frames without the compositor handshake. After each frame GTK asks
//      the window manager whether it takes part (an X round trip wherever
//      none answers) and then waits for the compositor's word that the
//      frame is shown (a wake-up wherever one does). That paces
//      animations; these windows change a few texts a second, so each
//      repaint would cost a wake-up for nothing.
//  [X] The window's own focus widget, which GTK keeps while a popup menu
//      or a box has the keyboard; wx knows the focus only while the window
//      itself has the keyboard.
#ifndef VELMORA_APP_WX_WX_GTK_WINDOW_H
#define VELMORA_APP_WX_WX_GTK_WINDOW_H

class wxWindow;

// From its realisation on, `topLevel` paints without the handshake.
void PaintWithoutFrameSync(wxWindow& topLevel);
// `topLevel`'s own focus widget is `control` or a part of it (a combo's
// entry), whether or not the window has the keyboard now.
bool KeepsFocusWithin(wxWindow& topLevel, const wxWindow& control);

#endif
