// The drawing file and the page description of an object list, without a window.
#include "drawing/editor/DrawingIO.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "drawing/objects/LinePic.h"
#include "drawing/objects/TextPic.h"

namespace {

// Objects of kinds without a class count in the description however they are kept.
TEST(DrawingIO, UnknownKindsCountInTheDescription) {
  vk::TLinePic line;
  line.PicId = vk::PIC_LINE;
  const vk::DrawingEntry l = vk::StoredEntry(line, 0);
  const std::vector<vk::DrawingEntry> entries{l, {77, {1}}, {78, {}}, {77, {2, 3}}, l};
  const std::vector<uint8_t> file = vk::EncodeDrawing(entries, vk::DrawingSignature::Page2011);
  vk::PicListType pics;
  ASSERT_EQ(vk::PicsFromDrawing(file.data(), file.size(), pics), vk::DrawingLoadOutcome::Ok);
  EXPECT_NE(vk::DescriptionText(pics).find("ImageCount=5\r\n"), std::string::npos);
}

// Save writes nothing that no reader would take back.
TEST(DrawingIO, ARecordPastWhatAReaderTakesIsNotSaved) {
  vk::PicListType pics;
  auto text = std::make_unique<vk::TTextPic>();
  text->PicId = vk::PIC_TEXT;
  text->Text.Text.assign(static_cast<size_t>(vk::kMaxRecordLength), 'x');
  pics.push_back(std::move(text));
  const std::filesystem::path path = std::filesystem::temp_directory_path() / "vk_oversized.fdf";
  std::filesystem::remove(path);
  std::string error;
  EXPECT_FALSE(vk::SaveDrawingFile(pics, path.string(), vk::DrawingSignature::Save2004, error));
  EXPECT_FALSE(error.empty());
  EXPECT_FALSE(std::filesystem::exists(path));
}

}  // namespace
