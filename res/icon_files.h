// The application icon as a Windows .ico file: 48, 32 and 16 pixels at 4, 8
// and 24 bits per pixel. (The PNG images are in png_file.h.)
#ifndef VELMORA_RES_ICON_FILES_H
#define VELMORA_RES_ICON_FILES_H

#include <string>

namespace res {

std::string IcoFile();

}  // namespace res

#endif
