#include "drawing/objects/PicFactory.h"

#include "drawing/objects/FigureKinds.h"
#include "drawing/objects/OpaquePic.h"

namespace vk {

namespace {

// A heap block's bookkeeping, and one object's place in the list with its blocks: the
// object, its font name and its points or text. Their contents are the record's bytes.
constexpr size_t kBlockOverhead = 2 * sizeof(void*);
constexpr size_t kObjectOverhead = sizeof(void*) + 3 * kBlockOverhead;

// The record of pic as stored: deselected and numbered index.
std::vector<uint8_t> RecordAs(TPicBase& pic, int32_t index) {
  const bool choosed = pic.Choosed;
  const int32_t own = pic.PicIndex;
  pic.Choosed = false;
  pic.PicIndex = index;
  ByteWriter w;
  pic.SaveToBuffer(w);
  pic.Choosed = choosed;
  pic.PicIndex = own;
  return w.Take();
}

uint64_t Digest(std::span<const uint8_t> bytes) {
  uint64_t h = 14695981039346656037ull;  // FNV-1a
  for (uint8_t b : bytes) h = (h ^ b) * 1099511628211ull;
  return h;
}

}  // namespace

std::unique_ptr<TPicBase> CreatePicOfKind(TPicType kind) {
  const FigureKind* c = FigureOfKind(kind);
  return c ? c->Create() : nullptr;
}

DrawingEntry StoredEntry(TPicBase& pic, int32_t index) {
  if (const auto* o = dynamic_cast<const TOpaquePic*>(&pic)) {
    // One entry is stored plain, as it was read, so that it loads back to the same entry;
    // only runs are packed. Framed starts with the entry's kind and length.
    if (o->Count == 1 && o->Framed.size() >= kEntryHeaderSize)
      return {o->PicId, std::vector<uint8_t>(o->Framed.begin() + kEntryHeaderSize, o->Framed.end()), 0};
    return {o->PicId, o->Framed, o->Count};
  }
  DrawingEntry e{static_cast<uint8_t>(pic.PicId), RecordAs(pic, index)};
  // Bytes past the record were written for the record as it was read. An edit that
  // changes the record drops them, since nothing says they still fit it; a move in the
  // list or a change of selection is no edit, and undoing the edit brings them back.
  if (pic.Tail && Digest(index == 0 ? e.Record : RecordAs(pic, 0)) == pic.Tail->RecordDigest)
    e.Record.insert(e.Record.end(), pic.Tail->Bytes.begin(), pic.Tail->Bytes.end());
  return e;
}

uint32_t StoredCountOf(const TPicBase& pic) {
  const auto* o = dynamic_cast<const TOpaquePic*>(&pic);
  return o ? o->Count : 1;
}

std::unique_ptr<TPicBase> PicFromEntry(const DrawingEntry& entry, int32_t index) {
  if (!entry.Packed) return PicFromEntry(entry.Kind, entry.Record, index);
  auto pic = std::make_unique<TOpaquePic>(entry.Kind, entry.Record, entry.Packed);
  pic->PicIndex = index;
  return pic;
}

std::unique_ptr<TPicBase> PicFromEntry(uint8_t kind, std::span<const uint8_t> record, int32_t index) {
  std::unique_ptr<TPicBase> pic = CreatePicOfKind(static_cast<TPicType>(kind));
  if (!pic) pic = std::make_unique<TOpaquePic>(kind);
  ByteReader r(record);
  if (!pic->LoadFromBuffer(r)) return nullptr;
  // The entry's kind byte chose the class; the record's own copy of it is not asked.
  pic->PicId = static_cast<TPicType>(kind);
  pic->Choosed = false;
  pic->PicIndex = index;
  if (!r.AtEnd()) {
    auto tail = std::make_unique<TPicBase::StoredTail>();
    r.ReadBytes(r.Remaining(), tail->Bytes);
    tail->RecordDigest = Digest(RecordAs(*pic, 0));
    pic->Tail = std::move(tail);
  }
  return pic;
}

uint64_t DrawingMemoryNeed(const uint8_t* data, size_t size) {
  uint64_t need = 0;
  bool inRun = false;
  DrawingScan scan(data, size);
  DrawingScan::Entry e;
  while (scan.Next(e)) {
    const FigureKind* c = FigureOfKind(e.Kind);
    if (c) need += kObjectOverhead + c->Bytes + e.Record.size();
    else need += (inRun ? 0 : kObjectOverhead + sizeof(TOpaquePic)) + e.Framed.size();
    inRun = !c;
  }
  return need;
}

DrawingLoadOutcome PicsFromDrawing(const uint8_t* data, size_t size, PicListType& pics) {
  DrawingScan scan(data, size);
  if (scan.Status() == DrawingReadStatus::BadFormatMark) return DrawingLoadOutcome::BadFormat;
  if (DrawingMemoryNeed(data, size) > kDrawingMemoryBudget) return DrawingLoadOutcome::TooLarge;
  // Entries of kinds without a class that follow each other lie side by side in the
  // file: they are kept as one object holding that stretch.
  std::span<const uint8_t> run;
  uint32_t runCount = 0;
  uint8_t runKind = 0;
  auto keepRun = [&] {
    if (!runCount) return;
    auto pic = std::make_unique<TOpaquePic>(runKind, run, runCount);
    pic->PicIndex = static_cast<int32_t>(pics.size());
    pics.push_back(std::move(pic));
    runCount = 0;
  };
  DrawingScan::Entry e;
  while (scan.Next(e)) {
    if (!FigureOfKind(e.Kind)) {
      if (!runCount) {
        run = e.Framed;
        runKind = e.Kind;
      } else {
        run = {run.data(), run.size() + e.Framed.size()};
      }
      ++runCount;
      continue;
    }
    keepRun();
    std::unique_ptr<TPicBase> pic = PicFromEntry(e.Kind, e.Record, static_cast<int32_t>(pics.size()));
    if (!pic) return DrawingLoadOutcome::BadFormat;
    pics.push_back(std::move(pic));
  }
  keepRun();
  switch (scan.Status()) {
    case DrawingReadStatus::Ok: return DrawingLoadOutcome::Ok;
    case DrawingReadStatus::Truncated: return DrawingLoadOutcome::Truncated;
    default: return DrawingLoadOutcome::BadFormat;
  }
}

std::vector<DrawingEntry> StoredEntries(const PicListType& pics) {
  std::vector<DrawingEntry> entries;
  entries.reserve(pics.size());
  int32_t at = 0;
  for (const auto& p : pics) {
    entries.push_back(StoredEntry(*p, at));
    at += static_cast<int32_t>(StoredCount(entries.back()));
  }
  return entries;
}

}  // namespace vk
