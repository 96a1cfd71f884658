// What the memo list organiser asks of the window that owns the memo list.
#pragma once

#include <string>
#include <vector>

#include "memo/arrangement.h"
#include "memo/memo_record.h"

namespace quillpad {

class TMemoForm;

class MemoListHost {
 public:
  virtual ~MemoListHost() = default;
  // The memos of the current category, in list order.
  virtual const std::vector<TMemoForm*>& ListedMemos() const = 0;
  virtual int ListCategory() const = 0;
  virtual std::string ListCategoryCaption(int category) const = 0;
  virtual bool ListReadOnly() const = 0;
  // The memo at from moves to position to, the others shifting.
  virtual void MoveListedMemo(int from, int to) = 0;
  // Out of the list and destroyed at once, without a question or a log entry.
  virtual void DeleteListedMemo(TMemoForm* memo) = 0;
  // Appends the memo's record to the category's file; raises the error when it is not there.
  virtual void AppendMemoToCategory(TMemoForm* memo, int category) = 0;
  // Saves the current category and loads this one.
  virtual void SwitchListCategory(int category) = 0;
  virtual void ArrangeMemos(ArrangeKind kind) = 0;
};

}  // namespace quillpad
