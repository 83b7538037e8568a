// Saving a file the user chose: written whole or the reason why not, and
// what the user is told then, in Italian. The trend's CSV and the traffic
// log are both saved this way.
#ifndef VELMORA_PANEL_FILE_SAVE_H
#define VELMORA_PANEL_FILE_SAVE_H

#include <filesystem>
#include <functional>
#include <ostream>
#include <string>
#include <system_error>

// Writes the file at `path` (replacing it) through `write`. No error, or
// why it could not be opened or written in full.
std::error_code SaveFile(const std::filesystem::path& path, const std::function<void(std::ostream&)>& write);
// The file and the system's reason: "Impossibile salvare il file «…»: …."
std::string SaveFailedText(const std::filesystem::path& path, std::error_code error);

#endif
