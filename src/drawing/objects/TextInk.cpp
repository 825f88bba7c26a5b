#include "drawing/objects/TextInk.h"

#include <algorithm>
#include <mutex>

#include "drawing/images/BmpFuns.h"

namespace vk {

namespace {

// What the kept renderings of all texts share.
struct Budget {
  std::mutex Lock;
  std::list<TextInk*> Recent;  // most recently used first
  size_t Held = 0;
};

Budget& TheBudget() {
  // Never destroyed: a text that outlives the statics still gives its bytes back.
  static Budget* b = new Budget;
  return *b;
}

}  // namespace

thread_local bool TextInk::bypassed_ = false;

size_t TextInk::BytesHeld() {
  Budget& b = TheBudget();
  const std::lock_guard<std::mutex> hold(b.Lock);
  return b.Held;
}

bool TextInk::Keep(Inputs inputs, const win::Dib& bitmap, std::unique_ptr<TextInk>& owner) {
  owner.reset();
  if (!bitmap.Bits()) return false;
  ::GdiFlush();
  std::unique_ptr<TextInk> ink(new TextInk());
  const int32_t w = bitmap.Width(), h = bitmap.Height();
  ink->rowRuns_.reserve(static_cast<size_t>(h) + 1);
  auto size = [&] {
    return ink->pixels_.size() * sizeof(uint32_t) + ink->runs_.size() * sizeof(Run) +
           ink->rowRuns_.size() * sizeof(uint32_t) + inputs.Text.size() + inputs.Font.Name.size();
  };
  for (int32_t y = 0; y < h; ++y) {
    ink->rowRuns_.push_back(static_cast<uint32_t>(ink->runs_.size()));
    const uint32_t* row = bitmap.Bits() + static_cast<size_t>(y) * static_cast<size_t>(w);
    for (int32_t x = 0; x < w;) {
      if ((row[x] & 0x00FFFFFFu) == 0) {
        ++x;
        continue;
      }
      const int32_t from = x;
      for (; x < w && (row[x] & 0x00FFFFFFu) != 0; ++x) ink->pixels_.push_back(row[x] & 0x00FFFFFFu);
      ink->runs_.push_back({from, x - from});
    }
    if (size() > kBudget) return false;  // stops early on a text far past it
  }
  ink->rowRuns_.push_back(static_cast<uint32_t>(ink->runs_.size()));
  ink->runs_.shrink_to_fit();
  ink->pixels_.shrink_to_fit();
  ink->bytes_ = size();
  ink->inputs_ = std::move(inputs);
  ink->owner_ = &owner;
  // Room is made from the renderings used longest ago; they go once the lock is let go.
  std::vector<TextInk*> out;
  {
    Budget& b = TheBudget();
    const std::lock_guard<std::mutex> hold(b.Lock);
    while (b.Held + ink->bytes_ > kBudget && !b.Recent.empty()) {
      TextInk* old = b.Recent.back();
      b.Recent.pop_back();
      old->listed_ = false;
      b.Held -= old->bytes_;
      out.push_back(old);
    }
    b.Recent.push_front(ink.get());
    ink->place_ = b.Recent.begin();
    ink->listed_ = true;
    b.Held += ink->bytes_;
  }
  for (TextInk* old : out) old->owner_->reset();
  owner = std::move(ink);
  return true;
}

TextInk::~TextInk() {
  if (!listed_) return;
  Budget& b = TheBudget();
  const std::lock_guard<std::mutex> hold(b.Lock);
  b.Recent.erase(place_);
  b.Held -= bytes_;
}

bool TextInk::Put(win::Canvas& canvas, TPoint at) const {
  TRect clip;
  win::Dib* target = DirectTarget(canvas, clip);
  if (!target) return false;
  {
    Budget& b = TheBudget();
    const std::lock_guard<std::mutex> hold(b.Lock);
    if (listed_) b.Recent.splice(b.Recent.begin(), b.Recent, place_);
  }
  const TRect area = Intersect(clip, {at.X, at.Y, SaturateInt32(int64_t{at.X} + inputs_.Width),
                                      SaturateInt32(int64_t{at.Y} + inputs_.Height)});
  if (area.IsEmpty()) return true;
  ::GdiFlush();
  const uint32_t* from = pixels_.data();
  for (uint32_t r = 0; r < rowRuns_[static_cast<size_t>(area.Top - at.Y)]; ++r)
    from += runs_[r].Length;  // the pixels of the rows above the area
  for (int32_t y = area.Top; y < area.Bottom; ++y) {
    uint32_t* to = target->Bits() + static_cast<size_t>(y) * static_cast<size_t>(target->Width());
    const size_t row = static_cast<size_t>(y - at.Y);
    for (uint32_t r = rowRuns_[row]; r < rowRuns_[row + 1]; ++r) {
      const Run& run = runs_[r];
      const int64_t left = int64_t{run.X} + at.X;
      const int64_t x0 = std::max<int64_t>(left, area.Left), x1 = std::min<int64_t>(left + run.Length, area.Right);
      if (x0 < x1) std::copy_n(from + (x0 - left), x1 - x0, to + x0);
      from += run.Length;
    }
  }
  const RECT r = win::ToRECT(area);
  ::SetBoundsRect(canvas.Handle(), &r, DCB_ACCUMULATE);
  return true;
}

}  // namespace vk
