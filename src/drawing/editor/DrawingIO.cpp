#include "drawing/editor/DrawingIO.h"

#include "core/PageDescription.h"
#include "drawing/editor/KindOps.h"
#include "drawing/editor/TestFailPoint.h"
#include "drawing/objects/PicFactory.h"
#include "win/FileIO.h"

namespace vk {

bool EncodeDrawingFile(const PicListType& pics, DrawingSignature signature, std::vector<uint8_t>& bytes,
                       std::string& error) {
  FailPoint("drawing-writer");
  // Stored deselected and numbered by position, whatever the objects show now.
  const std::vector<DrawingEntry> entries = StoredEntries(pics);
  // Never write what no reader would take back.
  for (const DrawingEntry& e : entries)
    if (!e.Packed && e.Record.size() > static_cast<size_t>(kMaxRecordLength)) {
      error = "an object is too large to be stored (" + std::to_string(e.Record.size()) + " bytes; at most " +
              std::to_string(kMaxRecordLength) + ")";
      return false;
    }
  bytes = EncodeDrawing(entries, signature);
  return true;
}

bool SaveDrawingFile(const PicListType& pics, const std::string& path, DrawingSignature signature,
                     std::string& error) {
  std::vector<uint8_t> bytes;
  return EncodeDrawingFile(pics, signature, bytes, error) && win::WriteFileReplacing(path, bytes, error);
}

DrawingLoadOutcome LoadDrawingFile(const std::string& path, PicListType& pics, std::string& error) {
  std::vector<uint8_t> bytes;
  if (!win::ReadWholeFile(path, bytes, error)) return DrawingLoadOutcome::CannotRead;
  FailPoint("drawing-reader");
  return PicsFromDrawing(bytes.data(), bytes.size(), pics);
}

std::string DescriptionText(const PicListType& pics) {
  // Objects the description does not list only count, however many a packed one holds.
  std::vector<DescribedObject> objects;
  size_t count = 0;
  for (const auto& p : pics) {
    count += StoredCountOf(*p);
    DescribedObject d = Describe(*p);
    if (d.What != DescribedObject::Kind::NotDescribed) objects.push_back(std::move(d));
  }
  return PageDescriptionText(objects, count);
}

}  // namespace vk
