#include "app/win32/win32_text.h"

std::wstring Wide(std::string_view utf8) {
    if (utf8.empty()) return {};
    const int n = ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring out(static_cast<std::size_t>(n), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), out.data(), n);
    return out;
}

std::string Utf8(std::wstring_view wide) {
    if (wide.empty()) return {};
    const int n = ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                        nullptr, nullptr);
    std::string out(static_cast<std::size_t>(n), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), out.data(), n, nullptr,
                          nullptr);
    return out;
}

std::wstring WindowText(HWND w) {
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(w)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(::GetWindowTextW(w, text.data(), static_cast<int>(text.size()))));
    return text;
}
