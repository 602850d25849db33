// windows.h as every Windows file of the program takes it, and the two conversions between the
// program's UTF-8 text and Windows' wide text: the narrow Windows functions would read and give
// text in the ANSI code page, which turns every letter outside it into '?'.
#pragma once

// MinGW's headers may define these already.
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <string>

// Empty when the text is empty or not valid UTF-8: such a name names no file we could open.
std::wstring wideFromUtf8(const std::string& text);
// The first `length` wide characters, or all of them up to the terminating zero for -1.
std::string utf8FromWide(const wchar_t* text, int length = -1);
