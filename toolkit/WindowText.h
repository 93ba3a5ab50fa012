#pragma once
// What any window says of itself, whatever its length.

#include <windows.h>

#include <string>

std::string WindowText(HWND window);
// The name of the window's class, such as "Button" or "#32770".
std::string WindowClassName(HWND window);
