// The application icon as files: a Windows .ico (48, 32 and 16 pixels at
// 4, 8 and 24 bits per pixel) and PNG images for desktop icon themes.
#ifndef VELMORA_RES_ICON_FILES_H
#define VELMORA_RES_ICON_FILES_H

#include <string>

namespace res {

std::string IcoFile();
std::string PngFile(int size);

}  // namespace res

#endif
