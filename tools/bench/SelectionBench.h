#pragma once
// The editor on several objects at once; prints medians in milliseconds.
#include <string>

void MeasureSelection(const std::string& pageFile);
