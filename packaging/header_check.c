/* Compiled as C and as C++ with every warning an error: the public header must be clean. */
#include "vellumkit.h"

ShowFreeDrawImageFormProc vk_header_check_export(void) { return ShowFreeDrawImageForm; }
unsigned vk_header_check_message(void) { return VELLUMKIT_PAGE_MESSAGE; }
