#include "core/setup/Components.h"

#include <gtest/gtest.h>

namespace {

TEST(Components, ExactlyTheHundredPercentRowsAreRequiredAndTheRestHaveRecords) {
  const auto& table = optaset::ComponentTable();
  const bool required[] = {true, false, false, true, true, true, true, false, false};
  for (size_t i = 0; i < table.size(); ++i) {
    SCOPED_TRACE(table[i].name);
    EXPECT_EQ(optaset::IsRequiredText(table[i].required), required[i]);
    // Every optional row must be recognised by name, or its choice would be lost.
    EXPECT_EQ(optaset::FindOptional(table[i].name) != nullptr, !required[i]);
  }
  EXPECT_FALSE(optaset::IsRequiredText("100"));
  EXPECT_FALSE(optaset::IsRequiredText("100% "));
  EXPECT_EQ(optaset::FindOptional("winsock control"), nullptr);
}

TEST(Components, UntickQuestionNamesTheRowAndItsNote) {
  EXPECT_EQ(optaset::UntickQuestion("Winsock Control"),
            "Don't install Winsock Control, are you sure?\r\rNote: This will disable Quillora Studio "
            "from sending Upgrade Request and Bug Reports to Quillora team.");
  EXPECT_EQ(optaset::UntickQuestion("Unknown"), "Don't install Unknown, are you sure?\r\r");
}

}  // namespace
