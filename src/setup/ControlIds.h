#pragma once
// Child-window identifiers of frmMain; the end-to-end driver finds the controls by them.

namespace optaset {

inline constexpr int kIdImage1 = 1001;  // badge
inline constexpr int kIdImage2 = 1002;  // logo
inline constexpr int kIdImage3 = 1003;  // Next
inline constexpr int kIdImage4 = 1004;  // Quit
inline constexpr int kIdImage5 = 1005;  // small title picture
inline constexpr int kIdLabel1 = 1011;
inline constexpr int kIdLabel2 = 1012;
inline constexpr int kIdLabel3 = 1013;
inline constexpr int kIdLabel4 = 1014;
inline constexpr int kIdListView1 = 1020;

// The text colour of a row is kept as the item's data: black while it will be installed,
// red once the user confirmed leaving it out.
inline constexpr unsigned long kRowBlack = 0x000000;
inline constexpr unsigned long kRowRed = 0x0000FF;  // RGB(255, 0, 0)

}  // namespace optaset
