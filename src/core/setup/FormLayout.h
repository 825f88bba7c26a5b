#pragma once
// The layout of Optaset's window in twips: the places of its controls as laid out, and the
// start-up rules that fit them to the screen. A pure function of the screen width, so the
// window applies it in one pass and the tests check it without a window.
#include <array>
#include <string_view>

namespace optaset {

struct TwipsRect {
  double left = 0;
  double top = 0;
  double width = 0;
  double height = 0;
  double Right() const { return left + width; }
};

struct ColumnSpec {
  std::string_view title;
  double divisor;  // the column is the list's width divided by this
};
inline constexpr std::array<ColumnSpec, 5> kColumns{{
    {"Index", 15}, {"Name", 3.8}, {"Publisher", 6}, {"Required", 8}, {"Purpose", 1}}};

struct FormLayout {
  double clientWidth = 19245;
  double clientHeight = 9375;
  double formWidth = 0;  // outer width, decided at start-up
  TwipsRect image5{4380, 435, 480, 480};        // small picture beside the title
  TwipsRect label1{5115, 540, 6765, 300};       // title
  TwipsRect image2{16545, 525, 2340, 1200};     // logo
  TwipsRect label2{1095, 1455, 14175, 1125};    // introduction
  TwipsRect image1{16455, 2055, 2445, 1635};    // badge, opens the download page
  TwipsRect label3{1110, 2745, 14295, 1050};    // recommendation
  TwipsRect listView1{300, 3945, 18645, 4335};  // the component table
  TwipsRect label4{375, 8760, 4170, 195};       // hint
  TwipsRect image3{15630, 8595, 1590, 510};     // Next
  TwipsRect image4{17220, 8595, 1590, 510};     // Quit
  std::array<double, kColumns.size()> columnWidths{};
};

// The screen width at which the labels keep their laid-out places (1440 pixels at 96 dpi).
inline constexpr double kLabelDesignScreenWidth = 21600;

// The window takes 95% of the screen's width.
double StartupFormWidth(double screenWidth);

// Fits the list, its columns, the pictures and the labels to the form's width (set before)
// on a screen that wide.
void ArrangeControls(FormLayout& form, double screenWidth);

}  // namespace optaset
