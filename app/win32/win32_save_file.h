// "Salva...": the common save dialog, then the file written by the caller;
// a file that cannot be written is reported in a box with its name and
// the system's reason (panel/file_save.h), titled with the program's name.
#ifndef VELMORA_APP_WIN32_WIN32_SAVE_FILE_H
#define VELMORA_APP_WIN32_WIN32_SAVE_FILE_H

#include <windows.h>

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <system_error>

struct SaveChoice {
    std::string_view title;      // the chooser's caption
    std::string_view offered;    // the file name it offers
    std::string_view kind;       // the filter's name, "CSV"
    std::string_view extension;  // without the dot, "csv"
};

// Asks where, with `owner` held while it asks; nothing more when the user
// cancels.
void SaveWithChooser(HWND owner, const std::string& programName, const SaveChoice& choice,
                     const std::function<std::error_code(const std::filesystem::path&)>& write);

#endif
