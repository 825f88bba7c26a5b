#pragma once
// CommandScope: one command, all or nothing. It refuses a command that edits the drawing
// while another page is awaited (the arriving page replaces the drawing); when the
// command ends it records one undo step of what the command changed, with the command's
// group; when an exception leaves it, the drawing goes back to its last recorded state,
// so that the error the user then sees is the whole story. Scopes nest: the outermost
// one records.
#include <cstdint>

#include "core/DrawingHistory.h"

namespace vk {

class EditSession;

class CommandScope {
 public:
  enum class Access {
    Edits,     // changes the drawing: waits with it while a page is awaited
    ReadOnly,  // copies, shows or goes to a page: runs at any time
  };

  explicit CommandScope(EditSession& session, Access access = Access::Edits,
                        uint32_t group = DrawingHistory::kNoGroup);
  ~CommandScope() noexcept(false);  // a failed record is reported like any failure
  CommandScope(const CommandScope&) = delete;
  CommandScope& operator=(const CommandScope&) = delete;

  // False: the command may not run now, and does nothing.
  explicit operator bool() const { return allowed_; }

 private:
  EditSession& session_;
  uint32_t group_;
  int exceptions_;
  bool allowed_;
  bool outer_;
};

}  // namespace vk
