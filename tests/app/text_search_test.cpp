#include "app/text_search.h"

#include <gtest/gtest.h>

#include "app/main_form_fixture.h"
#include "memo/memo_form.h"

namespace quillpad {
namespace {

using platform::FindAction;
using platform::FindRequest;

FindRequest Find(const std::string& text, bool wholeWord = false, bool matchCase = false) {
  return {text, "", wholeWord, matchCase};
}

TEST(FindInTextTest, CaseAndWholeWordRules) {
  EXPECT_EQ(FindInText("x ABC", 0, Find("abc")), 2u);
  EXPECT_EQ(FindInText("x ABC abc", 0, Find("abc", false, true)), 6u);
  EXPECT_EQ(FindInText("abcd abc", 0, Find("abc", true)), 5u);
  EXPECT_EQ(FindInText("abcd", 0, Find("abc", true)), std::string::npos);
  EXPECT_EQ(FindInText("xabc", 0, Find("abc", true)), std::string::npos);
  EXPECT_EQ(FindInText("(abc)", 0, Find("abc", true)), 1u);
  EXPECT_EQ(FindInText("abc abc", 1, Find("abc")), 4u);  // from the end of the selection
  EXPECT_EQ(FindInText("abc", 0, Find("")), std::string::npos);
  // Japanese words end where the kind of character changes; kanji next to kanji joins.
  EXPECT_EQ(FindInText("売上高 売上", 0, Find("売上", true)), 7u);
  EXPECT_EQ(FindInText("売上abc", 0, Find("abc", true)), 4u);
}

TEST(FindInTextTest, TrailBytesNeverMatchOrFold) {
  // "ア" is 83 41: its trail byte is an 'A' that a search for "a" must not find.
  EXPECT_EQ(FindInText("ア", 0, Find("a")), std::string::npos);
  EXPECT_EQ(FindInText("アa", 0, Find("A")), 2u);
  // "ソ" is 83 5C: "\" only matches a real backslash, and "ャ" (83 83) does not match "ソ".
  EXPECT_EQ(FindInText("ソ\\", 0, Find("\\")), 2u);
  EXPECT_EQ(FindInText("ャソ", 0, Find("ソ")), 2u);
  EXPECT_EQ(FindInText("\x83\x61", 0, Find("\x83\x41")), std::string::npos);  // no folding inside
}

class SearchTest : public testing::MainFormTest {
 protected:
  void StartWith(const std::vector<std::string>& texts) {
    std::vector<MemoRecord> records;
    for (std::size_t i = 0; i < texts.size(); ++i) {
      records.push_back(Memo(texts[i], 10, 10 + 40 * static_cast<int>(i)));
    }
    WriteMemoData("MemoData.dat", records);
    Start();
  }
  void Press(FindAction action, const FindRequest& request) {
    desk.Dispatch([&] { desk.UserFindDialogButton(action, request); });
  }
  std::vector<std::string> FileTexts() {
    std::vector<std::string> texts;
    for (const MemoRecord& r : ReadMemoFile(testing::ReadHostFile(ProgramFolder() / "MemoData.dat")).Records)
      texts.push_back(r.Text);
    return texts;
  }
};

TEST_F(SearchTest, FindNextWalksTheMemosAndStopsWhereItBegan) {
  StartWith({"one", "two abc", "three", "ABC four"});
  TMainForm& f = *form;
  f.TextFindClick(nullptr);
  ASSERT_TRUE(desk.FindDialogOpen());
  EXPECT_FALSE(desk.FindDialogs().back().Replace);
  Press(FindAction::FindNext, Find("abc"));  // no memo in the editor: starts with the first
  EXPECT_EQ(f.CurrentMemo, f.MemoList[1]);
  EXPECT_EQ(f.RichEdit1->SelText(), "abc");
  EXPECT_TRUE(Editor().HasFocus());
  // "ABC" does not match case: round the list and back to two, which is not searched twice.
  Press(FindAction::FindNext, Find("abc", false, true));
  EXPECT_EQ(f.CurrentMemo, f.MemoList[1]);
  EXPECT_EQ(f.RichEdit1->SelLength(), 0);
  Press(FindAction::FindNext, Find("abc"));
  EXPECT_EQ(f.RichEdit1->SelStart(), 4);
  Press(FindAction::FindNext, Find("abc"));
  EXPECT_EQ(f.CurrentMemo, f.MemoList[3]);
  EXPECT_EQ(f.RichEdit1->SelStart(), 0);
  Press(FindAction::FindNext, Find("zzz"));  // nothing anywhere: back at four, no message
  EXPECT_EQ(f.CurrentMemo, f.MemoList[3]);
  EXPECT_TRUE(desk.MessageBoxes().empty());

  // The memo menu opens the same dialog with the editor's selection as the search text.
  f.RichEdit1->Select(4, 4);
  desk.ExpectPopupChoice("全メモの操作(&A)... > 置換(&R)...");
  Sim(*f.MemoList[0]).UserContextMenu({20, 20});
  EXPECT_TRUE(desk.FindDialogs().back().Replace);
  EXPECT_EQ(desk.FindDialogs().back().FindText, "four");
}

TEST_F(SearchTest, ReplaceAllWritesEveryMemoBackAndLeavesTheOthers) {
  StartWith({"abc 1", "none", "2 abc abc", "abcd", "ABC"});
  TMainForm& f = *form;
  f.OpenMemoInEditor(f.MemoList[2]);
  f.RichEdit1->Select(9, 0);  // the caret after both matches of the first memo searched
  f.TextReplaceClick(nullptr);
  Press(FindAction::ReplaceAll, {"abc", "xy", true, false});
  EXPECT_TRUE(desk.AllAnswersUsed());
  Stop();
  EXPECT_EQ(FileTexts(), (std::vector<std::string>{"xy 1", "none", "2 xy xy", "abcd", "xy"}));
}

TEST_F(SearchTest, ReplaceTakesTheSelectionAndSelectsTheNextMatch) {
  StartWith({"a-a", "a"});
  TMainForm& f = *form;
  f.TextReplaceClick(nullptr);
  Press(FindAction::FindNext, Find("a"));
  Press(FindAction::Replace, {"a", "bb", false, true});
  EXPECT_EQ(f.RichEdit1->Text(), "bb-a");
  EXPECT_EQ(f.RichEdit1->SelStart(), 3);
  Press(FindAction::Replace, {"a", "bb", false, true});  // the last of this memo; on to the next
  EXPECT_EQ(f.CurrentMemo, f.MemoList[1]);
  EXPECT_EQ(f.RichEdit1->SelText(), "a");
  Stop();
  EXPECT_EQ(FileTexts(), (std::vector<std::string>{"bb-bb", "a"}));
}

}  // namespace
}  // namespace quillpad
