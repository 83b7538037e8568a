// What the programs' top-level windows need from GTK that wx does not offer.
// The adapter takes the GTK window behind a wx top-level (GetHandle()).
//
//  [X] Frames without the compositor handshake. After each frame GTK asks
//      the window manager whether it takes part (an X round trip wherever
//      none answers) and then waits for the compositor's word that the
//      frame is shown (a wake-up wherever one does). That paces
//      animations; these windows change a few texts a second, so each
//      repaint would cost a wake-up for nothing.
#ifndef VELMORA_APP_WX_WX_GTK_WINDOW_H
#define VELMORA_APP_WX_WX_GTK_WINDOW_H

class wxWindow;

// From its realisation on, `topLevel` paints without the handshake.
void PaintWithoutFrameSync(wxWindow& topLevel);

#endif
