#pragma once
// The editor's questions and common dialogs, over an owner window. Each returns false
// (or an empty name, or -1) when the user cancels.
#include <windows.h>

#include <cstdint>
#include <string>

#include "core/PicAttrs.h"
#include "drawing/session/EditorHost.h"

namespace vk {

struct PicMenuEnabling;

bool AskQuestion(HWND owner, Question question);
bool PickColour(HWND owner, uint32_t& color);
bool PickFont(HWND owner, FontAttrs& font);
// The Save picture and Open drawing dialogs, both starting in "Bmps\" beside the host's
// program; the name chosen in the system code page.
std::string PickDrawingFile(HWND owner, FileDialog dialog);
// The object menu at the pointer: the index of the chosen item in PicMenuItems(), or -1.
int PickObjectMenuItem(HWND owner, const PicMenuEnabling& enabling);
// Sends the page message to the host window named by hostWnd (decimal handle text).
void SendPageToHost(const std::string& hostWnd, int32_t page);

}  // namespace vk
