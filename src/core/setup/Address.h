#pragma once
// The address normalisation of GoInternet: what reaches the shell for a web or mail link.
#include <string>
#include <string_view>

namespace optaset {

// The download page the badge opens.
inline constexpr std::string_view kDownloadPage = "www.example.com/Quillora/Components.html";

// Both texts are changed in place, as the caller's variables are: the mode word ends up in
// upper case, the address trimmed of trailing spaces and NULs, given the "http://" prefix
// (mode "WEB", no known protocol) or "mailto:" (mode "MAIL"), and wholly in lower case.
void NormaliseAddress(std::string& webAdd, std::string& mode);

}  // namespace optaset
