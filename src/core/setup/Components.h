#pragma once
// The fixed component table that Optaset offers, the notes shown when an optional row is
// left out, and the record each optional row leaves for the installer.
#include <array>
#include <string>
#include <string_view>

namespace optaset {

struct Component {
  std::string_view name;
  std::string_view publisher;
  std::string_view required;  // "100%" marks a row the user may not leave out
  std::string_view purpose;
};

inline constexpr int kComponentCount = 9;
const std::array<Component, kComponentCount>& ComponentTable();

// A row is required exactly when its Required text is "100%"; the other percentages only
// inform the user.
bool IsRequiredText(std::string_view required);

// An optional component, recognised by its name wherever a row is examined.
struct OptionalComponent {
  std::string_view name;
  std::string_view note;    // shown in the question before the row is left out
  std::string_view key;     // the choice-file line when it is left out
  std::string_view marker;  // the marker file name in the application folder
};

inline constexpr int kOptionalCount = 4;
const std::array<OptionalComponent, kOptionalCount>& OptionalComponents();

// The optional component of that exact name, or null.
const OptionalComponent* FindOptional(std::string_view name);

// The program's messages.
inline constexpr std::string_view kProgramTitle = "Optaset";
inline constexpr std::string_view kRequiredMessage = "This item is required, please check it.";
inline constexpr std::string_view kProceedQuestion =
    "Are you sure to don't install some components?\r\r"
    "Note: Quillora Studio will be disabled from some important functions.";
inline constexpr std::string_view kCancelQuestion = "Are you sure to cancel the installation?";
// The question before a row is left out: its name, then its note when it has one.
std::string UntickQuestion(std::string_view name);

}  // namespace optaset
