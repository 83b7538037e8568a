// The resource scripts for the Windows build, written from the same tables
// every frontend builds from: one for velmora.exe, one for velmora-cli.exe.
#ifndef VELMORA_RES_RC_WRITER_H
#define VELMORA_RES_RC_WRITER_H

#include <string>
#include <string_view>

namespace res {

// What tells the two programs apart in their resources.
struct WindowsProgram {
    std::string_view file;          // "velmora.exe"
    std::string_view description;   // the version record's FileDescription
    std::string_view assemblyName;  // the manifest's own name
    bool windowed;                  // has windows: common controls v6, DPI-aware
};

const WindowsProgram& PanelProgram();
const WindowsProgram& CliProgram();

// The version records' LegalCopyright, as LICENSE states it.
inline constexpr std::string_view kCopyright = "Copyright © 2026 the Velmora authors";
inline constexpr std::string_view kAuthors = "the Velmora authors";

// velmora.exe's .rc text: both dialog templates, the string table, the icon
// (from `iconFile`), the application manifest (from `manifestFile`) and the
// version record. UTF-8, with its code page pragma.
std::string ResourceScript(const std::string& iconFile, const std::string& manifestFile);

// velmora-cli.exe's: the icon, its manifest and its version record.
std::string CliResourceScript(const std::string& iconFile, const std::string& manifestFile);

// A program's application manifest: the Windows versions it was made for
// (7 to 11, so none of them runs it in an older one's compatibility mode)
// and no elevation. A windowed program also asks for the common controls of
// version 6, whose buttons let the dialog paint them (NM_CUSTOMDRAW), and
// says it scales itself per monitor (system-wide on Windows 7 and 8).
std::string Manifest(const WindowsProgram& program);

}  // namespace res

#endif
