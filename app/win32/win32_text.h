// UTF-8 (the panel's text) to UTF-16 (the window's) and back.
#ifndef VELMORA_APP_WIN32_WIN32_TEXT_H
#define VELMORA_APP_WIN32_WIN32_TEXT_H

#include <string>
#include <string_view>

std::wstring Wide(std::string_view utf8);
std::string Utf8(std::wstring_view wide);

#endif
