#pragma once
// The application folder: the folder that holds the program file. Every file Optaset
// reads or writes is named below it.
#include <filesystem>

namespace optaset {

std::filesystem::path AppFolder();

}  // namespace optaset
