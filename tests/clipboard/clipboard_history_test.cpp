#include "clipboard/clipboard_history.h"

#include <gtest/gtest.h>

#include "clipboard/history_file.h"

namespace quillpad {
namespace {

using Lines = std::vector<std::string>;

ClipboardHistory With(Lines entries) {
  ClipboardHistory h;
  h.Assign(std::move(entries));
  return h;
}

TEST(ClipboardHistoryTest, CaptureAddsTheTrimmedLinesAtTheTopInOrder) {
  ClipboardHistory h = With({"old"});
  EXPECT_TRUE(h.Capture(" \t a\r\nb\rc\n\n"));
  EXPECT_EQ(h.Entries(), (Lines{"a", "b", "c", "old"}));
  EXPECT_FALSE(h.Capture(" \r\n\t"));
  EXPECT_FALSE(h.Capture(""));
  EXPECT_EQ(h.Count(), 4);
}

TEST(ClipboardHistoryTest, LineLimitRecordsExactlyTheLimit) {
  auto lines = [](int n) {
    std::string text;
    for (int i = 0; i < n; ++i) text += "line" + std::to_string(i) + "\r\n";
    return text;
  };
  ClipboardHistory h;
  EXPECT_TRUE(h.Capture(lines(20)));
  EXPECT_EQ(h.Count(), 20);
  EXPECT_FALSE(h.Capture(lines(21)));
  EXPECT_EQ(h.Count(), 20);
  EXPECT_EQ(h.Entries().front(), "line0");
}

TEST(ClipboardHistoryTest, MaxCountCutsTheOldestEvenWithoutARecordedCopy) {
  ClipboardHistory h = With({"x", "y", "z"});
  h.MaxCount = 3;
  h.Capture("w");
  EXPECT_EQ(h.Entries(), (Lines{"w", "x", "y"}));
  h.MaxCount = 1;
  h.Capture("");
  EXPECT_EQ(h.Entries(), (Lines{"w"}));
  h.MaxCount = 0;
  h.Capture("v");
  EXPECT_TRUE(h.Entries().empty());
}

TEST(ClipboardHistoryTest, ReduceKeepsTheTopmostOfEqualEntries) {
  ClipboardHistory h = With({"A", "b", "a", "", "B"});
  h.Reduce();
  EXPECT_EQ(h.Entries(), (Lines{"A", "b"}));
  // Letter case folds for ASCII only: a trail byte that looks like a letter stays itself.
  h.Assign({"\x83" "a", "\x83" "A", "ｂ", "ｂ", "X\\", "x\\"});
  h.Reduce();
  EXPECT_EQ(h.Entries(), (Lines{"\x83" "a", "\x83" "A", "ｂ", "X\\"}));
}

TEST(ClipboardHistoryTest, SortedListStaysInListBoxOrderAndUnsortingKeepsIt) {
  ClipboardHistory h = With({"pear", "Apple", "fig"});
  h.SetSorted(true);
  EXPECT_EQ(h.Entries(), (Lines{"Apple", "fig", "pear"}));
  h.Capture("banana\r\nzz\r\napple");
  EXPECT_EQ(h.Entries(), (Lines{"apple", "Apple", "banana", "fig", "pear", "zz"}));
  h.SetSorted(false);
  h.Capture("0");
  EXPECT_EQ(h.Entries().front(), "0");
  EXPECT_EQ(h.Entries()[1], "apple");
}

TEST(ClipboardHistoryTest, DeleteAndJoinFollowTheFlags) {
  ClipboardHistory h = With({"a", "b", "c", "d"});
  const std::vector<bool> flags{false, true, false, true};
  EXPECT_EQ(h.JoinSelected(flags), "b\r\nd\r\n");
  h.Delete(flags);
  EXPECT_EQ(h.Entries(), (Lines{"a", "c"}));
  EXPECT_EQ(h.JoinSelected({}), "");
}

TEST(HistoryFileTest, LinesComeBackAndTheReadStopsAtTheLimit) {
  EXPECT_EQ(ReadHistoryFile("a\r\n\r\nb\nc\rd", 100), (Lines{"a", "", "b", "c", "d"}));
  EXPECT_EQ(ReadHistoryFile("a\r\nb\r\nc\r\n", 2), (Lines{"a", "b"}));
  EXPECT_EQ(WriteHistoryFile({"a", "", "表"}), "a\r\n\r\n表\r\n");
  EXPECT_TRUE(IsSoundHistoryText("表示\r\nabc\tdef\r\n\xB1"));
  EXPECT_FALSE(IsSoundHistoryText(std::string("a\0b", 3)));
  EXPECT_FALSE(IsSoundHistoryText("\xEF\xBB\xBF" "abc"));  // a UTF-8 signature
  EXPECT_FALSE(IsSoundHistoryText("\xE3\x81\x82"));  // "あ" in UTF-8
  EXPECT_FALSE(IsSoundHistoryText("end\x88"));
}

}  // namespace
}  // namespace quillpad
