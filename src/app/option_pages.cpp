// TOptionDlg: the window and its six pages.
#include "app/option_dlg.h"

namespace quillpad {

namespace {

const std::vector<std::string> kTrayActions = {"なにもしない",
                                               "メモを前面に表示",
                                               "新規メモ作成",
                                               "全メモの表示・非表示切替",
                                               "メモファイルの巡回切替",
                                               "スクリーンセーバー起動",
                                               "クリップボードビューア表示",
                                               "カレンダー表示",
                                               "電卓計算",
                                               "メモサイズの切替"};

constexpr platform::Color kYellow = 0x00FFFF;

}  // namespace

TOptionDlg::TOptionDlg(ui::Component* owner, ui::Application& application, Settings& settings,
                       platform::Profile ini, const OptionInputs& inputs)
    : ui::Form(owner),
      application_(application),
      system_(application.System()),
      settings_(settings),
      ini_(std::move(ini)),
      programDir_(inputs.ProgramDir) {
  Name = "OptionDlg";
  SetCaption("オプション設定");
  SetBorderStyle(platform::BorderStyle::Dialog);
  SetBorderIcons(true, false, false);
  SetClientSize(540, 420);
  pcOption = new ui::PageControl(this, this);
  pcOption->Name = "pcOption";
  pcOption->SetBounds(8, 8, 524, 368);
  RegisterSheet = pcOption->AddPage("登録");
  RegisterSheet->Name = "RegisterSheet";
  TaskTraySheet = pcOption->AddPage("タスクトレイ");
  MemoSheet = pcOption->AddPage("メモ上の操作");
  FolderSheet = pcOption->AddPage("フォルダ");
  ClipboardSheet = pcOption->AddPage("クリップボードビューア");
  OtherSheet = pcOption->AddPage("その他");
  BuildRegisterPage();
  BuildTrayPages();
  BuildFolderPage();
  BuildClipboardPage();
  BuildOtherPage();
  OKBtn = AddButton(this, "OKBtn", "&OK", 368, 386, 75);
  OKBtn->ModalResult = ui::MrOk;
  OKBtn->SetDefault(true);
  // Stored before the dialog closes, as the button's own click.
  OKBtn->OnClick = [this] { OKBtnClick(); };
  CancelBtn = AddButton(this, "CancelBtn", "ｷｬﾝｾﾙ", 452, 386, 75);
  CancelBtn->ModalResult = ui::MrCancel;
  CancelBtn->Cancel = true;
  ScreenCentre();
  SetAcceptFiles(true);
  OnDropFiles = [this](const std::vector<std::string>& paths) { FormDropFiles(paths); };
  FormCreate(inputs);
}

ui::Label* TOptionDlg::AddLabel(ui::Control* parent, const char* caption, int left, int top,
                                int width) {
  auto* l = new ui::Label(this, parent);
  l->SetCaption(caption);
  l->SetBounds(left, top, width, 14);
  return l;
}

ui::Edit* TOptionDlg::AddEdit(ui::Control* parent, const char* name, int left, int top, int width) {
  auto* e = new ui::Edit(this, parent);
  e->Name = name;
  e->SetBounds(left, top, width, 21);
  return e;
}

ui::Button* TOptionDlg::AddButton(ui::Control* parent, const char* name, const char* caption,
                                  int left, int top, int width) {
  auto* b = new ui::Button(this, parent);
  b->Name = name;
  b->SetCaption(caption);
  b->SetBounds(left, top, width, 25);
  return b;
}

ui::CheckBox* TOptionDlg::AddCheck(ui::Control* parent, const char* name, const char* caption,
                                   int left, int top, int width) {
  auto* c = new ui::CheckBox(this, parent);
  c->Name = name;
  c->SetCaption(caption);
  c->SetBounds(left, top, width, 17);
  return c;
}

ui::RadioGroup* TOptionDlg::AddGroup(ui::Control* parent, const char* name, const char* caption,
                                     const std::vector<std::string>& items,
                                     const platform::Rect& bounds) {
  auto* g = new ui::RadioGroup(this, parent);
  g->Name = name;
  g->SetCaption(caption);
  g->SetBoundsRect(bounds);
  g->SetItems(items);
  return g;
}

void TOptionDlg::BuildRegisterPage() {
  ui::TabSheet* page = RegisterSheet;
  AddLabel(page, "登録するツール／ファイル／フォルダ／&URL／mailto:...", 8, 8, 420);
  edTool = AddEdit(page, "edTool", 8, 24, 420);
  FileRefBtn = AddButton(page, "FileRefBtn", "ファイル(&F)...", 8, 50, 110);
  FileRefBtn->OnClick = [this] { FileRefBtnClick(); };
  FolderRefBtn = AddButton(page, "FolderRefBtn", "フォルダ(P)...", 124, 50, 110);
  FolderRefBtn->OnClick = [this] { FolderRefBtnClick(); };
  AddLabel(page, "登録済みリスト: エクスプローラからのドロップ &OK", 8, 84, 420);
  lbTool = new ui::ListBox(this, page);
  lbTool->Name = "lbTool";
  lbTool->SetSorted(true);
  lbTool->SetBounds(8, 100, 400, 230);
  lbTool->OnSelectionChange = [this] { lbToolMouseUp(); };
  lbTool->OnMouseUp = [this](ui::MouseButton, unsigned, int, int) { lbToolMouseUp(); };
  lbTool->OnKeyDown = [this](int& key, unsigned) { lbToolKeyDown(key); };
  ToolRegBtn = AddButton(page, "ToolRegBtn", "追加(&A)", 416, 100, 90);
  ToolRegBtn->OnClick = [this] { ToolRegBtnClick(); };
  ToolDelBtn = AddButton(page, "ToolDelBtn", "削除(&D)", 416, 130, 90);
  ToolDelBtn->OnClick = [this] { ToolDelBtnClick(); };
  ToolDelBtn->SetEnabled(false);
}

void TOptionDlg::BuildTrayPages() {
  rgTaskTrayClick = AddGroup(TaskTraySheet, "rgTaskTrayClick", "タスクトレー左クリック(&C)",
                             kTrayActions, {4, 4, 170, 330});
  rgTaskTrayDblClick =
      AddGroup(TaskTraySheet, "rgTaskTrayDblClick", "タスクトレー左ダブルクリック(&L)",
               kTrayActions, {176, 4, 342, 330});
  rgTaskTrayRDblClick =
      AddGroup(TaskTraySheet, "rgTaskTrayRDblClick", "タスクトレー右ダブルクリック(&R)",
               kTrayActions, {344, 4, 512, 330});
  rgMemoDblClick =
      AddGroup(MemoSheet, "rgMemoDblClick", "メモのダブルクリック時動作(&C)",
               {"メモの編集", "メモをアクティブウインドウへ", "メモをクリップボードへ送る",
                "メモを関連アプリへ送る", "メモの削除（ログへ保存後）", "メモの削除（保存なし）",
                "メモサイズの切替"},
               {4, 4, 254, 170});
  rgDragDrop = AddGroup(MemoSheet, "rgDragDrop", "メモへのドラッグ＆ドロップ(&D)",
                        {"LHA圧縮処理", "ファイルを開く", "リストへ登録", "ファイルパス名を挿入"},
                        {262, 4, 512, 110});
  rgAfterSizeChange =
      AddGroup(MemoSheet, "rgAfterSizeChange", "サイズ変更後等の整列(&J)",
               {"そのまま", "右揃え整列", "左揃え整列", "右揃えタイル整列", "左揃えタイル整列"},
               {262, 116, 512, 240});
  ckSendURLonDblClk =
      AddCheck(MemoSheet, "ckSendURLonDblClk",
               "httpか、mailto: ではじまるメモはダブルクリックで常に関連アプリへ送る(&B)", 8, 250);
}

void TOptionDlg::BuildFolderPage() {
  ui::TabSheet* page = FolderSheet;
  AddLabel(page, "ワークフォルダ：メモファイルを共有するとき指定(&W)", 8, 8, 420);
  edWorkDir = AddEdit(page, "edWorkDir", 8, 24, 330);
  DirRefBtin = AddButton(page, "DirRefBtin", "参照(&A)...", 344, 22, 90);
  DirRefBtin->OnClick = [this] { DirRefBtinClick(); };
  DefDirBtn = AddButton(page, "DefDirBtn", "デフォルトに戻す(&D)", 344, 50, 140);
  DefDirBtn->OnClick = [this] { DefDirBtnClick(); };
  ckReadOnly =
      AddCheck(page, "ckReadOnly", "メモファイルを上書きしない（参照のみ） (&R)", 8, 56, 330);
  struct Row {
    const char* Label;
    const char* Field;
    const char* Button;
    const char* Caption;
    ui::Edit** Edit;
    ui::Button** Ref;
    void (TOptionDlg::*Click)();
  };
  const Row rows[] = {
      {"LZH書庫ファイルのデフォルトフォルダ(&L)", "edLZHDir", "LZHRefBtn", "参照(&B)...", &edLZHDir,
       &LZHRefBtn, &TOptionDlg::LZHRefBtnClick},
      {"テキストファイルのデフォルトフォルダ(&T)", "edTextDir", "TextDirRefBtn", "参照(&C)...",
       &edTextDir, &TextDirRefBtn, &TOptionDlg::TextDirRefBtnClick},
      {"ビットマップファイルのデフォルトフォルダ(&I)", "edBitmapDir", "BitmapDirRefBtn",
       "参照(&D)...", &edBitmapDir, &BitmapDirRefBtn, &TOptionDlg::BitmapDirRefBtnClick},
      {"JPEGファイルのデフォルトフォルダ(&I)", "edJPEGDir", "JPEGDirRefBtn", "参照(&D)...",
       &edJPEGDir, &JPEGDirRefBtn, &TOptionDlg::JPEGDirRefBtnClick},
  };
  int top = 90;
  for (const Row& row : rows) {
    AddLabel(page, row.Label, 8, top, 420);
    *row.Edit = AddEdit(page, row.Field, 8, top + 16, 330);
    *row.Ref = AddButton(page, row.Button, row.Caption, 344, top + 14, 90);
    (*row.Ref)->OnClick = [this, click = row.Click] { (this->*click)(); };
    top += 56;
  }
}

void TOptionDlg::BuildClipboardPage() {
  ui::TabSheet* page = ClipboardSheet;
  AddLabel(page, "保持する最大行数(&M)", 8, 14, 150);
  csMaxCount = new ui::SpinEdit(this, page);
  csMaxCount->Name = "csMaxCount";
  csMaxCount->SetBounds(170, 10, 90, 21);
  csMaxCount->SetRange(0, 100000);
  csMaxCount->SetIncrement(10);
  csMaxCount->SetValue(500);
  AddLabel(page, "取り込まない最小行数(&L)", 8, 46, 150);
  csNeglectRowCount = new ui::SpinEdit(this, page);
  csNeglectRowCount->Name = "csNeglectRowCount";
  csNeglectRowCount->SetBounds(170, 42, 90, 21);
  csNeglectRowCount->SetRange(0, 10000);
  csNeglectRowCount->SetIncrement(1);
  csNeglectRowCount->SetValue(20);
  AddLabel(page, "コピーした行がこれ以上のとき無視します。", 8, 72, 400);
}

void TOptionDlg::BuildOtherPage() {
  ui::TabSheet* page = OtherSheet;
  auto* size = new ui::GroupBox(this, page);
  size->SetCaption("デフォルトメモサイズ(&S)");
  size->SetBounds(8, 4, 500, 96);
  auto upDown = [&](const char* label, const char* field, const char* name, int top,
                    bool horizontal, ui::Edit*& edit) {
    AddLabel(size, label, 8, top + 3, 50);
    edit = AddEdit(size, field, 60, top, 56);
    auto* ud = new ui::UpDown(this, size);
    ud->Name = name;
    ud->SetHorizontal(horizontal);
    ud->SetBounds(118, top, horizontal ? 32 : 16, 21);
    ud->SetRange(10, 10000);
    ud->SetAssociate(edit);
    return ud;
  };
  udHeight = upDown("高さ(&H)", "edHeight", "udHeight", 20, false, edHeight);
  udHeight->OnClick = [this] { udHeightClick(); };
  udWidth = upDown("幅(&W)", "edWidth", "udWidth", 52, true, edWidth);
  udWidth->OnClick = [this] { udWidthClick(); };
  DemoPanel = new ui::Panel(this, size);
  DemoPanel->Name = "DemoPanel";
  DemoPanel->SetCaption("デフォルトサイズ");
  DemoPanel->SetColor(kYellow);
  DemoPanel->SetBounds(170, 18, 100, 25);
  ckDefaultSize = AddCheck(page, "ckDefaultSize", "新規メモをデフォルトサイズで作成(&D)", 8, 104);
  auto* names = new ui::GroupBox(this, page);
  names->SetCaption("メモの名称(&N)");
  names->SetBounds(8, 124, 500, 50);
  const char* const labels[] = {"メモファイル&0", "メモファイル&1", "メモファイル&2"};
  const char* const fields[] = {"edMemoFile0", "edMemoFile1", "edMemoFile2"};
  for (int i = 0; i < 3; ++i) {
    AddLabel(names, labels[i], 8 + i * 164, 22, 76);
    edMemoFile[static_cast<std::size_t>(i)] = AddEdit(names, fields[i], 86 + i * 164, 18, 74);
  }
  int top = 180;
  auto check = [&](const char* name, const char* caption) {
    ui::CheckBox* c = AddCheck(page, name, caption, 8, top);
    top += 18;
    return c;
  };
  ckUseStartMemo = check("ckUseStartMemo", "メモの整列時に先頭メモを基準にする(&B)");
  ckShowMemoAsHint = check("ckShowMemoAsHint", "メモのヒントに内容を表示する(&H)");
  ckSkipCheckFileSave =
      check("ckSkipCheckFileSave", "メモに変更があっても確認メッセージを表示しない(&N)");
  ckSkipCheckDelete = check("ckSkipCheckDelete", "メモの削除で確認メッセージを表示しない(&X)");
  ckSaveMemoAtEdit =
      check("ckSaveMemoAtEdit", "新規メモ作成時や編集直後にメモファイルを保存する(&S)");
  ckSeparateNumber = check("ckSeparateNumber", "電卓の計算結果を3桁ずつで区切る(&D)");
  AddLabel(page, "画像ビューア/ビットマップの編集ツール(&T)", 8, 292, 420);
  edViewer = AddEdit(page, "edViewer", 8, 308, 330);
  ViewerRefBtn = AddButton(page, "ViewerRefBtn", "参照(&R)...", 344, 306, 90);
  ViewerRefBtn->OnClick = [this] { ViewerRefBtnClick(); };
}

}  // namespace quillpad
