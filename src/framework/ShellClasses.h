#pragma once
// Classes of the shell's objects that the framework creates, as the system registers them. Spelled out here
// rather than linked from the import library of GUIDs, which would bring every GUID it holds into the image.

#include <windows.h>

// The common item dialog's open dialog.
inline constexpr CLSID kFileOpenDialogClass = {
    0xDC1C5A9C, 0xE88A, 0x4DDE, {0xA5, 0xA1, 0x60, 0xF8, 0x2A, 0x20, 0xAE, 0xF7}};
// The taskbar's list of buttons.
inline constexpr CLSID kTaskbarListClass = {
    0x56FDF344, 0xFD6D, 0x11D0, {0x95, 0x8A, 0x00, 0x60, 0x97, 0xC9, 0xA0, 0x90}};
