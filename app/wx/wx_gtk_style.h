// Compact control metrics for GTK, so that the template's rectangles,
// drawn for the Windows dialog font, hold GTK's buttons and entries
// without the window growing to twice its size; and pressed toggles that
// stand out from released ones in the theme in use.
//
//  [X] The pressed toggles' colours come from the theme's released button
//      face (panel/theme_colours.h): dark blue on light themes, light blue
//      on dark ones, black or white where neither stands out.
//  [X] Again when the theme changes while the program runs.
#ifndef VELMORA_APP_WX_WX_GTK_STYLE_H
#define VELMORA_APP_WX_WX_GTK_STYLE_H

void ApplyCompactStyle();
// The pressed toggles' colours for the theme in use, replacing the last.
void ApplyToggleColours();

#endif
