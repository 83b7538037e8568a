// UTF-8 (the panel's text) to UTF-16 (the window's) and back; a window's text.
#ifndef VELMORA_APP_WIN32_WIN32_TEXT_H
#define VELMORA_APP_WIN32_WIN32_TEXT_H

#include <windows.h>

#include <string>
#include <string_view>

std::wstring Wide(std::string_view utf8);
std::string Utf8(std::wstring_view wide);
// The text of a window of this process (GetWindowText).
std::wstring WindowText(HWND w);

#endif
