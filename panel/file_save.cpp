#include "panel/file_save.h"

#include <cerrno>
#include <fstream>
#include <utility>

std::error_code SaveFile(const std::filesystem::path& path, const std::function<void(std::ostream&)>& write) {
    // The stream keeps no reason; the C library's open and write leave theirs in errno.
    const auto failed = [] { return std::error_code(errno != 0 ? errno : EIO, std::generic_category()); };
    // Windows refuses a folder as "access denied"; the user should hear what it is.
    std::error_code ignored;
    if (std::filesystem::is_directory(path, ignored)) return std::make_error_code(std::errc::is_a_directory);
    errno = 0;
    std::ofstream file(path, std::ios::binary | std::ios::trunc);  // "\n" on every system
    if (!file) return failed();
    write(file);
    file.close();
    return file.fail() ? failed() : std::error_code();
}

std::string SaveFailedText(const std::filesystem::path& path, std::error_code error) {
    // The reasons a user can act on, in Italian; any other as the system words it.
    static constexpr std::pair<std::errc, std::string_view> kReasons[] = {
        {std::errc::permission_denied, "accesso negato"},
        {std::errc::operation_not_permitted, "accesso negato"},
        {std::errc::no_such_file_or_directory, "la cartella non esiste"},
        {std::errc::not_a_directory, "la cartella non esiste"},
        {std::errc::is_a_directory, "è una cartella"},
        {std::errc::read_only_file_system, "il disco è in sola lettura"},
        {std::errc::no_space_on_device, "spazio esaurito sul disco"},
        {std::errc::filename_too_long, "nome troppo lungo"},
        {std::errc::io_error, "errore di scrittura"},
    };
    std::string reason = error.message();
    for (const auto& [code, words] : kReasons)
        if (error == code) reason = words;
    const std::u8string name = path.u8string();
    return "Impossibile salvare il file «" + std::string(name.begin(), name.end()) + "»: " + reason + ".";
}
