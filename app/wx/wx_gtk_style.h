// Compact control metrics for GTK, so that the template's rectangles,
// drawn for the Windows dialog font, hold GTK's buttons and entries
// without the window growing to twice its size; and pressed toggles that
// stand out from released ones.
#ifndef VELMORA_APP_WX_WX_GTK_STYLE_H
#define VELMORA_APP_WX_WX_GTK_STYLE_H

void ApplyCompactStyle();

#endif
