#include "app/win32/win32_save_file.h"

#include "app/win32/win32_text.h"
#include "panel/file_save.h"

#include <commdlg.h>

void SaveWithChooser(HWND owner, const std::string& programName, const SaveChoice& choice,
                     const std::function<std::error_code(const std::filesystem::path&)>& write) {
    wchar_t file[MAX_PATH] = {};
    Wide(choice.offered).copy(file, MAX_PATH - 1);
    const std::wstring title = Wide(choice.title), extension = Wide(choice.extension);
    const std::wstring pattern = L"*." + extension;
    // "CSV (*.csv)", NUL, "*.csv", NUL, NUL.
    std::wstring filter = Wide(choice.kind) + L" (" + pattern + L")";
    filter.push_back(L'\0');
    filter += pattern;
    filter.push_back(L'\0');
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filter.c_str();
    ofn.lpstrFile = file;
    ofn.nMaxFile = MAX_PATH;
    ofn.lpstrTitle = title.c_str();
    ofn.lpstrDefExt = extension.c_str();
    ofn.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR;
    if (::GetSaveFileNameW(&ofn) == FALSE) return;
    const std::filesystem::path path(file);
    const std::error_code error = write(path);
    if (!error) return;
    ::MessageBoxW(owner, Wide(SaveFailedText(path, error)).c_str(), Wide(programName).c_str(), MB_OK);
}
