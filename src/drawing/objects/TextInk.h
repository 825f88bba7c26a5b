#pragma once
// A text's rendering, effects included, kept between redraws: the pixels of its bitmap
// that are not black, row by row, with everything the rendering read. A redraw copies
// them while nothing of that has changed. All texts together keep at most kBudget bytes:
// a new rendering pushes out the ones used longest ago, and one that does not fit at all
// is rendered on each redraw.
#include <cstddef>
#include <cstdint>
#include <list>
#include <memory>
#include <string>
#include <vector>

#include "core/Geometry.h"
#include "core/PicAttrs.h"
#include "win/Canvas.h"
#include "win/Dib.h"

namespace vk {

class TextInk {
 public:
  static constexpr size_t kBudget = size_t{16} << 20;
  // A box larger than this (8 MB at 32 bits) is never rendered whole just to be kept.
  static constexpr int64_t kMaxBoxPixels = int64_t{1} << 21;

  // Everything a text's rendering depends on, its place aside.
  struct Inputs {
    std::string Text;
    FontAttrs Font;
    PenAttrs Pen;
    BrushAttrs Brush;
    uint8_t Hollow = 0, Sided = 0, View3D = 0;
    int32_t Width = 0, Height = 0;  // of the rendered box
    friend bool operator==(const Inputs&, const Inputs&) = default;
  };

  // Keeps the ink of bitmap (a whole rendering for inputs) in *owner, which the budget
  // may empty later. False, keeping nothing, when it cannot fit the budget.
  static bool Keep(Inputs inputs, const win::Dib& bitmap, std::unique_ptr<TextInk>& owner);
  ~TextInk();
  TextInk(const TextInk&) = delete;
  TextInk& operator=(const TextInk&) = delete;

  const Inputs& For() const { return inputs_; }
  // Puts the ink with its top-left corner at device point at onto canvas, as PutInk does.
  // False, drawing nothing, when the canvas does not draw straight into one of our bitmaps.
  bool Put(win::Canvas& canvas, TPoint at) const;

  // The bytes all kept renderings hold.
  static size_t BytesHeld();

  // While one lives with on set, texts on this thread are rendered afresh and nothing
  // kept is used: the full rebuild that the partial redraw is checked against.
  class Bypass {
   public:
    explicit Bypass(bool on) : was_(bypassed_) { bypassed_ = bypassed_ || on; }
    ~Bypass() { bypassed_ = was_; }
    Bypass(const Bypass&) = delete;
    Bypass& operator=(const Bypass&) = delete;

   private:
    bool was_;
  };
  static bool Bypassed() { return bypassed_; }

 private:
  TextInk() = default;
  struct Run {
    int32_t X, Length;
  };
  Inputs inputs_;
  std::vector<Run> runs_;          // row by row, left to right
  std::vector<uint32_t> rowRuns_;  // the first run of each row, and the end
  std::vector<uint32_t> pixels_;   // of the runs, in order
  size_t bytes_ = 0;
  // Where the budget keeps it, the most recently used first; and who holds it.
  std::list<TextInk*>::iterator place_;
  bool listed_ = false;
  std::unique_ptr<TextInk>* owner_ = nullptr;

  static thread_local bool bypassed_;
};

}  // namespace vk
