// The application icon as wxWidgets images, drawn from the one picture in res/.
#ifndef VELMORA_APP_WX_WX_ART_H
#define VELMORA_APP_WX_WX_ART_H

#include <wx/bitmap.h>
#include <wx/iconbndl.h>

wxBitmap AppIconBitmap(int size);
wxIconBundle AppIconBundle();  // every size the resource carries

#endif
