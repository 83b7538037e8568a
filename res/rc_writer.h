// The resource script for the Windows build, written from the same tables
// every frontend builds from.
#ifndef VELMORA_RES_RC_WRITER_H
#define VELMORA_RES_RC_WRITER_H

#include <string>

namespace res {

// The .rc text: both dialog templates, the string table, the icon (from
// `iconFile`), the application manifest (from `manifestFile`) and the
// version record. UTF-8, with its code page pragma.
std::string ResourceScript(const std::string& iconFile, const std::string& manifestFile);

// The application manifest: it asks for the common controls of version 6,
// whose buttons let the dialog paint them (NM_CUSTOMDRAW).
std::string Manifest();

}  // namespace res

#endif
