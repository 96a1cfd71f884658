// Finding and replacing text in the editor and across the memos of the current category.
// The walk over the memos goes through SearchHost, so it runs without windows.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/system.h"

namespace quillpad {

// The first match at or after byte `from` of CP932 text, or npos. Without MatchCase, ASCII
// letters match either case; double-byte characters always match exactly. With WholeWord the
// match may not continue a word on either side: a neighbour of the same kind (ASCII letters,
// digits and '_'; half-width kana; double-byte letters and kana) as the match's end joins it.
std::size_t FindInText(std::string_view text, std::size_t from, const platform::FindRequest& request);

// What a search needs of the editor and the memo list.
class SearchHost {
 public:
  virtual ~SearchHost() = default;
  virtual int CurrentMemoIndex() = 0;  // the editor's memo in the list, -1 when none
  virtual int MemoCount() = 0;
  virtual void EditNextMemo() = 0;  // the next text memo into the editor
  virtual std::string EditorText() = 0;
  virtual void GetSelection(int& start, int& length) = 0;
  virtual void Select(int start, int length) = 0;
  virtual void ReplaceSelection(const std::string& text) = 0;
  virtual bool EditorModified() = 0;
  virtual void WriteBackKeepingCurrent() = 0;  // the editor's text into the current memo
  virtual void FocusEditor() = 0;
};

// Selects the next match from the end of the selection on, memo after memo, until the memo the
// search started in comes round again (that one is not searched twice). True when found.
bool FindNextInMemos(SearchHost& host, const platform::FindRequest& request);
// Replaces the selection when it is the search text, then selects the next match (all false) or
// replaces every match in every memo, the first one from its beginning, writing each changed
// memo back (all true).
void ReplaceInMemos(SearchHost& host, const platform::FindRequest& request, bool all);

}  // namespace quillpad
