// The two tool bars of the main window: tbMain (basic commands) and tbEdit (memo editing).
#include "app/main_form.h"
#include "app/menu_table.h"

namespace quillpad {

namespace {

using M = TMainForm;
constexpr MainHandler None = nullptr;

const ToolRow kBasic[] = {
    {"ShowMemoBtn", "デスクトップメモに上書き表示", &M::ShowMemoClick},
    {"ShowNewMemoBtn", "新規デスクトップメモとして表示", &M::ShowNewMemoClick},
    {"SendToActiveInputBtn", "他の編集画面に貼り付け", &M::SendToActiveInputClick},
    {"ScheduleMemoBtn", "選択日のメモとして保存", &M::SaveScheduleMemoClick},
    {"Sep1", "", None, TfSeparator},
    {"EditNextMemoBtn", "次のメモ|次のメモに移動", &M::EditNextMemoClick},
    {"EditPreviousMemoBtn", "前のメモ|ひとつ前のメモに移動", &M::EditPreviousMemoClick},
    {"Sep2", "", None, TfSeparator},
    {"MemoListEditBtn", "メモリストの編集", &M::MemoListEditClick},
    {"JustifyBtn", "整列|メモ全体を整列", None, TfDropDown},
    {"Sep3", "", None, TfSeparator},
    {"SimplestFormBtn", "最もシンプルなウインドウ表示", &M::SimplestFormClick},
    {"FullFormBtn", "すべて表示したウインドウ", &M::FullFormClick},
    {"ShowCalculatorBtn", "電卓計算用ウインドウ", &M::ShowCalculatorClick, TfCheck},
    {"Sep4", "", None, TfSeparator},
    {"ShowClipboardViewerBtn", "クリップボードビューア表示", &M::ShowClipboardViewerClick, TfCheck},
    {"ShowCalendarBtn", "カレンダー表示", &M::ShowCalendarClick, TfCheck},
    {"ExecExplorerBtn", "エクスプローラを起動", &M::ExecExplorerClick},
    {"Sep5", "", None, TfSeparator},
    {"MainFormHideBtn", "隠す|編集ウインドウを隠す", &M::MainFormHideClick},
};

const ToolRow kEdit[] = {
    {"NewMemoBtn", "新規メモ作成", &M::NewMemoClick},
    {"TextOpenBtn", "開く|テキストファイルを開く", &M::TextOpenClick},
    {"TextSaveBtn", "保存|テキストとして保存", &M::TextSaveClick},
    {"Sep6", "", None, TfSeparator},
    {"CutBtn", "切り取り", &M::TextCutClick},
    {"CopyBtn", "コピー", &M::TextCopyClick},
    {"PasteBtn", "張り付け", &M::TextPasteClick},
    {"UndoBtn", "取り消し", &M::TextUndoClick},
    {"FindBtn", "検索", &M::TextFindClick},
    {"Sep7", "", None, TfSeparator},
    {"SetFontBtn", "フォントの変更", &M::SetFontClick},
    {"SetColorBtn", "メモの背景色変更", &M::SetColorClick},
    {"ShowBorderBtn", "メモの境界線|メモの境界線の表示・非表示切替え", &M::ShowBorderClick,
     TfCheck | TfDown},
    {"SetStyleFromTemplateBtn", "テンプレートを表示", &M::SetStyleFromTemplateClick},
    {"Sep8", "", None, TfSeparator},
    {"DateTimeBtn", "日時の挿入", None, TfDropDown},
};

}  // namespace

std::span<const ToolRow> BasicToolBarRows() {
  return kBasic;
}
int ToolButtonCount(std::span<const ToolRow> rows) {
  int n = 0;
  for (const ToolRow& row : rows) n += (row.Flags & TfSeparator) ? 0 : 1;
  return n;
}
std::span<const ToolRow> EditToolBarRows() {
  return kEdit;
}

}  // namespace quillpad
