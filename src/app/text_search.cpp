#include "app/text_search.h"

#include "base/text.h"

namespace quillpad {

namespace {

char Fold(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// 0 joins nothing (blanks, punctuation, symbols); equal non-zero kinds make one word.
int WordKind(std::string_view text, std::size_t at) {
  const auto c = static_cast<unsigned char>(text[at]);
  if (IsLeadByte(c)) return c == 0x81 ? 0 : 3;  // 0x81xx: full-width blanks and punctuation
  if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_')
    return 1;
  if (c >= 0xA6 && c <= 0xDF) return 2;  // half-width kana
  return 0;
}

// The start of the character that ends just before byte `at`.
std::size_t PreviousChar(std::string_view text, std::size_t at) {
  std::size_t i = 0;
  std::size_t last = 0;
  while (i < at) {
    last = i;
    i += CharLength(text, i);
  }
  return last;
}

bool MatchesAt(std::string_view text, std::size_t at, std::string_view needle, bool matchCase) {
  if (text.size() - at < needle.size()) return false;
  for (std::size_t k = 0; k < needle.size(); ++k) {
    const char a = text[at + k];
    const char b = needle[k];
    if (a == b) continue;
    // Trail bytes can look like ASCII letters: fold only single-byte characters.
    if (matchCase || IsTrailByteAt(needle, k) || Fold(a) != Fold(b)) return false;
  }
  return true;
}

bool IsWholeWord(std::string_view text, std::size_t at, std::size_t length) {
  const std::size_t end = at + length;
  if (at > 0) {
    const int kind = WordKind(text, at);
    if (kind != 0 && WordKind(text, PreviousChar(text, at)) == kind) return false;
  }
  if (end < text.size()) {
    const int kind = WordKind(text, PreviousChar(text, end));
    if (kind != 0 && WordKind(text, end) == kind) return false;
  }
  return true;
}

int Index(std::size_t at) { return static_cast<int>(at); }

// Searches the editor from the end of its selection; selects the match.
bool FindInEditor(SearchHost& host, const platform::FindRequest& request) {
  int start = 0;
  int length = 0;
  host.GetSelection(start, length);
  const std::string text = host.EditorText();
  const std::size_t found = FindInText(text, static_cast<std::size_t>(start + length), request);
  if (found == std::string::npos) return false;
  host.Select(Index(found), Index(request.Pattern.size()));
  return true;
}

// The search's first memo, moving to the next one when the editor holds none of the list.
int StartMemo(SearchHost& host) {
  int start = host.CurrentMemoIndex();
  if (start < 0 && host.MemoCount() > 0) {
    host.EditNextMemo();
    start = host.CurrentMemoIndex();
  }
  return start;
}

// To the next memo; false when the search is back where it started, or nothing moved (a
// cancelled question, no text memos), which would otherwise go round for ever.
bool NextMemo(SearchHost& host, int start, int& steps) {
  const int before = host.CurrentMemoIndex();
  if (before < 0 || ++steps > host.MemoCount()) return false;
  host.EditNextMemo();
  const int now = host.CurrentMemoIndex();
  return now >= 0 && now != start && now != before;
}

}  // namespace

std::size_t FindInText(std::string_view text, std::size_t from, const platform::FindRequest& request) {
  const std::string_view needle = request.Pattern;
  if (needle.empty()) return std::string::npos;
  // Positions are character starts: step from the start of the text to `from` first.
  std::size_t i = 0;
  while (i < from && i < text.size()) i += CharLength(text, i);
  for (; i < text.size(); i += CharLength(text, i)) {
    if (!MatchesAt(text, i, needle, request.MatchCase)) continue;
    if (request.WholeWord && !IsWholeWord(text, i, needle.size())) continue;
    return i;
  }
  return std::string::npos;
}

bool FindNextInMemos(SearchHost& host, const platform::FindRequest& request) {
  const int start = StartMemo(host);
  int steps = 0;
  bool found = false;
  for (;;) {
    if (FindInEditor(host, request)) {
      found = true;
      break;
    }
    if (!NextMemo(host, start, steps)) break;
    host.Select(0, 0);
  }
  host.FocusEditor();
  return found;
}

void ReplaceInMemos(SearchHost& host, const platform::FindRequest& request, bool all) {
  int selStart = 0;
  int selLength = 0;
  host.GetSelection(selStart, selLength);
  const std::string text = host.EditorText();
  if (selLength > 0 && static_cast<std::size_t>(selStart + selLength) <= text.size() &&
      std::string_view(text).substr(static_cast<std::size_t>(selStart),
                                    static_cast<std::size_t>(selLength)) == request.Pattern)
    host.ReplaceSelection(request.Replacement);
  const int start = StartMemo(host);
  // Replacing all means all: the first memo is not searched a second time, so it is searched
  // from its beginning, not only from the caret on.
  if (all) host.Select(0, 0);
  int steps = 0;
  for (;;) {
    while (FindInEditor(host, request)) {
      if (!all) {
        host.FocusEditor();
        return;
      }
      host.ReplaceSelection(request.Replacement);
    }
    int at = 0;
    int length = 0;
    host.GetSelection(at, length);
    host.Select(at + length, 0);
    if (host.EditorModified() && host.CurrentMemoIndex() >= 0) host.WriteBackKeepingCurrent();
    if (!NextMemo(host, start, steps)) break;
    host.Select(0, 0);
  }
  host.FocusEditor();
}

}  // namespace quillpad
