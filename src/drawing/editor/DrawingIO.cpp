#include "drawing/editor/DrawingIO.h"

#include "core/PageDescription.h"
#include "drawing/editor/KindOps.h"
#include "drawing/editor/TestFailPoint.h"
#include "drawing/objects/PicFactory.h"
#include "win/FileIO.h"

namespace vk {

std::vector<uint8_t> EncodeDrawingFile(const PicListType& pics, DrawingSignature signature) {
  FailPoint("drawing-writer");
  std::vector<DrawingEntry> entries;
  entries.reserve(pics.size());
  // Stored deselected and numbered by position, whatever the objects show now.
  for (size_t i = 0; i < pics.size(); ++i) entries.push_back(StoredEntry(*pics[i], static_cast<int32_t>(i)));
  return EncodeDrawing(entries, signature);
}

bool SaveDrawingFile(const PicListType& pics, const std::string& path, DrawingSignature signature,
                     std::string& error) {
  return win::WriteFileReplacing(path, EncodeDrawingFile(pics, signature), error);
}

DrawingLoadOutcome LoadDrawingFile(const std::string& path, PicListType& pics, std::string& error) {
  std::vector<uint8_t> bytes;
  if (!win::ReadWholeFile(path, bytes, error)) return DrawingLoadOutcome::CannotRead;
  FailPoint("drawing-reader");
  const DrawingReadResult result = DecodeDrawing(bytes.data(), bytes.size());
  if (result.Status == DrawingReadStatus::BadFormatMark) return DrawingLoadOutcome::BadFormat;
  for (const DrawingEntry& e : result.Entries) {
    // A kind this editor cannot create is kept as it was stored, never dropped.
    std::unique_ptr<TPicBase> pic = PicFromEntry(e, static_cast<int32_t>(pics.size()));
    if (!pic) return DrawingLoadOutcome::BadFormat;
    pics.push_back(std::move(pic));
  }
  if (result.Status == DrawingReadStatus::BadLength) return DrawingLoadOutcome::BadFormat;
  if (result.Status == DrawingReadStatus::Truncated) return DrawingLoadOutcome::Truncated;
  return DrawingLoadOutcome::Ok;
}

std::string DescriptionText(const PicListType& pics) {
  std::vector<DescribedObject> objects;
  objects.reserve(pics.size());
  for (const auto& p : pics) objects.push_back(Describe(*p));
  return PageDescriptionText(objects);
}

}  // namespace vk
