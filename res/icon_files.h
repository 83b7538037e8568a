// The application icon as a Windows .ico file: 48, 32, 24 and 16 pixels at
// 32 bits with alpha, 48, 32 and 16 at 4, 8 and 24 bits, and 256 pixels as
// PNG. Built only for the build machine, as png_file.h: it needs zlib.
#ifndef VELMORA_RES_ICON_FILES_H
#define VELMORA_RES_ICON_FILES_H

#include <string>

namespace res {

// Empty when the PNG cannot be made.
std::string IcoFile();

}  // namespace res

#endif
