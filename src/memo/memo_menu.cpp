// The memo window's popup menu. Rows with a null handler below a leaf are commands whose action
// arrives with a later piece of the program.
#include "memo/memo_menu.h"

#include "memo/memo_form.h"

namespace quillpad {

namespace {

using F = TMemoForm;
constexpr MemoHandler None = nullptr;

const MemoMenuRow kMemoMenu[] = {
    {0, "MemoDelete1", "メモの削除(&D)", "", None},
    {1, "SaveDelete", "ログへ保存後(&S)", "Ctrl+Del", &F::SaveDeleteClick},
    {1, "NoSaveDelete", "保存なし(&D)", "Del", &F::NoSaveDeleteClick},
    {0, "MemoEdit", "メモの編集(&E)", "Ctrl+E", &F::MemoEditClick},
    {0, "MemoStyle1", "メモのスタイル変更(&S)...", "", None},
    {1, "SetStyleFromTemplate", "テンプレートから選択", "", &F::SetStyleFromTemplateClick},
    {1, "SetStyleDefault", "デフォルトスタイルへ", "", &F::SetStyleDefaultClick},
    {1, "MemoFont", "フォント", "Ctrl+F", &F::MemoFontClick},
    {1, "BackColor", "背景色", "Ctrl+G", &F::BackColorClick},
    {1, "ShowBorder", "境界線を表示", "Ctrl+K", &F::ShowBorderClick},
    {1, "MemoSize1", "サイズ...", "", None},
    {2, "DefaultSize", "デフォルトサイズ", "", &F::DefaultSizeClick},
    {2, "AutoSize", "自動サイズ", "", &F::AutoSizeClick},
    {1, "BgNormal", "通常表示", "", &F::BgNormalClick, MmRadio},
    {1, "BgGradation", "グラデーション", "", &F::BgGradationClick, MmRadio},
    {1, "BgErase", "透明（壁紙）", "", &F::BgEraseClick, MmRadio},
    {1, "BgMarquee", "Marquee 表示", "", &F::BgMarqueeClick, MmRadio},
    {1, "MemoStayOnTop", "最前面表示", "", &F::MemoStayOnTopClick},
    {1, "MemoPosFix", "位置とサイズを固定", "", &F::MemoPosFixClick},
    {1, "MemoHide", "一時隠す", "", &F::MemoHideClick},
    {0, "MemoSave1", "メモの内容保存、複製(&W)...", "", None},
    {1, "MemoSave", "保存(&S)", "Ctrl+S", &F::MemoSaveClick},
    {1, "MemoCopy", "複製(&W)", "Ctrl+W", &F::MemoCopyClick},
    {0, "ToMemoFile", "メモを別ファイルへ移動(&M)...", "", None},
    {1, "ToMemoFile0", "カテゴリ０", "Ctrl+1", &F::ToMemoFile0Click, MmNone, 0},
    {1, "ToMemoFile1", "カテゴリ１", "Ctrl+2", &F::ToMemoFile0Click, MmNone, 1},
    {1, "ToMemoFile2", "カテゴリ２", "Ctrl+3", &F::ToMemoFile0Click, MmNone, 2},
    {0, "InsertToMemo1", "メモに挿入(&I)...", "", None},
    {1, "InsertDateTime1", "現在の日時(&D)...", "", None},
    {2, "DateTimeStartAdd", "先頭(&S)", "", &F::DateTimeStartAddClick},
    {2, "DateTimeEndAdd", "最後(&E)", "", &F::DateTimeEndAddClick},
    {1, "InsertClip1", "クリップボードの内容(&C)...", "", None},
    {2, "ClipAddStart", "先頭(&S)", "Ctrl+I", &F::ClipAddStartClick},
    {2, "ClipAddEnd", "最後(&E)", "Ctrl+J", &F::ClipAddEndClick},
    {0, "ReduceColor1", "画像メモの減色とJPEG保存(&R)", "", None},
    {1, "To256", "&256色", "", &F::To256Click},
    {1, "To16", "&16色", "", &F::To16Click},
    {1, "ToBlackWhite", "白黒(&B)", "", &F::ToBlackWhiteClick},
    {1, "N1", "-", "", None},
    {1, "To256GrayScale", "256グレースケール(&G)", "", &F::To256GrayScaleClick},
    {1, "N2", "-", "", None},
    {1, "SaveToJPEG", "&JPEG保存", "", &F::SaveToJPEGClick},
    {0, "PrintMemo", "メモの印刷(&P)", "", &F::PrintMemoClick},
    {0, "N3", "-", "", None},
    {0, "MemoStyleTo1", "このメモのスタイルを(&T)...", "", None},
    {1, "SaveAsTemplate", "テンプレートに保存(&T)", "", &F::SaveAsTemplateClick},
    {1, "SetDefaultStyle", "デフォルトに設定(&D)", "", &F::SetDefaultStyleClick},
    {0, "N4", "-", "", None},
    {0, "SendMemoToActiveWindow", "メモの内容をエディタにCtrl+&V", "", &F::SendMemoToActiveWindowClick},
    {0, "SendMemoToClipboard", "メモ内容をクリップボードへ(&C)", "Ctrl+C", &F::SendMemoToClipboardClick},
    {0, "SendMemoToApplication", "メモを関連アプリに送る(&B)", "Ctrl+B", &F::SendMemoToApplicationClick},
    {0, "SendMemoToPassword", "メモを送ってIDとパスワード入力(&Q)", "", &F::SendMemoToPasswordClick},
    {0, "N5", "-", "", None},
    {0, "NewMemoEdit", "新規メモの作成(&N)", "", &F::NewMemoEditClick},
    {0, "NewMemoFromData1", "データを使って新規メモ作成(&D)...", "", None},
    {1, "OpenFile1", "ファイルを開いて(&O)...", "", None},
    {2, "OpenText", "テキスト(&T)", "", &F::OpenTextClick},
    {2, "OpenBitmap", "画像(&B)", "", &F::OpenBitmapClick},
    {1, "ClipNew1", "クリップボードから(&C)...", "", None},
    {2, "ClipNewHere", "このメモの次(&N)", "", &F::ClipNewHereClick},
    {2, "ClipNewStart", "メモリスト先頭(&S)", "", &F::ClipNewStartClick},
    {2, "ClipNewEnd", "メモリスト最後(&E)", "", &F::ClipNewEndClick},
    {0, "N6", "-", "", None},
    {0, "AllMemo1", "全メモの操作(&A)...", "", None},
    {1, "TextFind1", "検索(&F)...", "", &F::TextFindClick},
    {1, "TextReplace1", "置換(&R)...", "", &F::TextReplaceClick},
    {1, "ShowAllMemo", "表示(&S)", "", &F::ShowAllMemoClick},
    {1, "HideAllMemo", "非表示(&H)", "", &F::HideAllMemoClick},
    {1, "Justify1", "整列(&A)...", "", None},
    {2, "RightJustify", "右揃え(&R)", "", &F::RightJustifyClick},
    {2, "RightTileJustify", "右揃えでタイル(&P)", "", &F::RightTileJustifyClick},
    {2, "LeftJustify", "左揃え(&L)", "", &F::LeftJustifyClick},
    {2, "LeftTileJustify", "左揃えでタイル(&M)", "", &F::LeftTileJustifyClick},
    {1, "MemoSizeAll1", "メモサイズ(&M)...", "", None},
    {2, "SetDefaultSizeAll", "デフォルトサイズ(&D)", "", &F::SetDefaultSizeAllClick},
    {2, "SetAutoSizeAll", "自動サイズ調整(&A)", "", &F::SetAutoSizeAllClick},
    {1, "ListAllMemo", "まとめてテキスト表示(&T)", "", &F::ListAllMemoClick},
    {1, "SaveAll", "保存(テキストのみ)(&K)", "", &F::SaveAllClick},
    {1, "DeleteAll1", "すべて削除(&X)", "", None},
    {2, "SaveAllDelete", "保存後(&S)", "", &F::SaveAllDeleteClick},
    {2, "NoSaveDeleteAll", "保存なし(&D)", "", &F::NoSaveDeleteAllClick},
    {0, "N7", "-", "", None},
    {0, "ShowClipboardViewer1", "クリップボードビューアの表示(&H)", "", &F::ShowClipboardViewer1Click},
    {0, "ShowCalendar", "カレンダーの表示(&K)", "", &F::ShowCalendarClick},
    {0, "ShowCalculatorDlg", "電卓計算(&J)", "", &F::ShowCalculatorDlgClick},
    {0, "N8", "-", "", None},
    {0, "Exit", "Quillpadの終了(&X)", "", &F::ExitClick},
};

}  // namespace

std::span<const MemoMenuRow> MemoMenuRows() { return kMemoMenu; }

}  // namespace quillpad
