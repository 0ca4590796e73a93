// A skinned MDI form with a full main menu, for driving the skinned menu bar with real input. It
// writes what happens to a log file, one line each, so that a script can follow it:
//   button I CAPTION X Y W H   a bar button (screen coordinates), once the form is skinned
//   winitem N TEXT             the Nth item of the Window menu that is not a separator
//   open I CAPTION             a drop-down of the bar opens (tracking starts)
//   close                      the tracking ended
//   popup skinned|native       a popup menu window appeared, skinned by the engine or not
//   command CAPTION            a menu item's click reached the form
//   active CAPTION             another MDI child became the active one
// Command line: menubar_demo --skin PACKED_SKIN --log FILE
#include <windows.h>

#include <shellapi.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "framework/win/app/Application.h"
#include "framework/win/controls/ExtCtrls.h"
#include "framework/win/forms/Forms.h"
#include "framework/win/menus/Menus.h"
#include "skin/data/SkinData.h"
#include "skin/form/NCObjects.h"
#include "skin/form/RuzIzivForm.h"
#include "skin/form/RuzIzivMenu.h"
#include "skin/manager/SkinManage.h"

namespace {

std::ofstream Log;
String SkinFile;

void Write(const String& Line) {
  if (!Log) return;
  Log << Line << '\n';
  Log.flush();
}

String NoAmpersand(const String& Text) {
  String Result;
  for (char C : Text)
    if (C != '&') Result += C;
  return Result;
}

TRuzIzivForm* SkinOf(HWND Wnd) {
  TSkinManage* Manager = SkinManage();
  return Manager ? Manager->FindSkinForm(Wnd) : nullptr;
}

BOOL WINAPI LoggedTrack(HMENU Menu, UINT Flags, int X, int Y, int Reserved, HWND Owner, const RECT* Rect) {
  String Caption;
  if (MenuLoop.Form && MenuLoop.Form->FSkinMenu)
    if (TMenuBtn* Button = MenuLoop.Form->FSkinMenu->ButtonAt(MenuLoop.OpenIndex))
      Caption = Utf16ToUtf8(Button->FCaption);
  Write("open " + std::to_string(MenuLoop.OpenIndex) + " " + Caption);
  const BOOL Result = TrackPopupMenu(Menu, Flags, X, Y, Reserved, Owner, Rect);
  Write("close");
  return Result;
}

BOOL CALLBACK FindPopups(HWND Wnd, LPARAM Seen) {
  wchar_t Class[16] = {};
  GetClassNameW(Wnd, Class, 16);
  auto& Known = *reinterpret_cast<std::set<HWND>*>(Seen);
  if (lstrcmpW(Class, L"#32768") == 0 && IsWindowVisible(Wnd) && Known.insert(Wnd).second)
    Write(SendMessageW(Wnd, WM_SKIN_QUERY, 0, 0) == 1 ? "popup skinned" : "popup native");
  return TRUE;
}

class TDemoForm : public TForm {
 public:
  explicit TDemoForm(TComponent* Owner) : TForm(Owner) {
    SetCaption("Menu bar demo");
    SetBounds(80, 80, 700, 460);
    SetFormStyle(fsMDIForm);
    auto* Menu = new TMainMenu(this);
    TMenuItem* Root = Menu->Items();
    TMenuItem* File = Item(Root, "&File");
    Item(File, "&Open");
    TMenuItem* Recent = Item(File, "&Recent");
    Item(Recent, "One");
    Item(Item(Recent, "&Two"), "Deep");
    Item(File, "&Disabled")->SetEnabled(false);
    Item(File, "-");
    Item(File, "E&xit")->OnClick = TNotifyEvent::Bind<&TDemoForm::ExitClick>(this);
    TMenuItem* Edit = Item(Root, "&Edit");
    Item(Edit, "&Undo");
    Item(Edit, "&Copy");
    TMenuItem* Locked = Item(Root, "&Locked");
    Item(Locked, "Never");
    Locked->SetEnabled(false);
    Window = Item(Root, "&Window");
    Item(Window, "&Tile");
    Item(Window, "&Cascade");
    Item(Item(Root, "&Help"), "&About");
    SetMenu(Menu);
    SetWindowMenu(Window);

    Skin = new TSkinData(this);
    Skin->FSkinStream->LoadFromFile(SkinFile);
    Skin->LoadSkin();
    Skin->Loaded();
    Skin->SetActive(true);

    Watch = new TTimer(this);
    Watch->SetInterval(100);
    Watch->SetOnTimer(TNotifyEvent::Bind<&TDemoForm::WatchTimer>(this));
    MenuLoop.Track = &LoggedTrack;
  }

  void ExitClick(TObject*) { Close(); }

  void ItemClick(TObject* Sender) {
    if (auto* It = dynamic_cast<TMenuItem*>(Sender)) Write("command " + NoAmpersand(It->Caption()));
  }

  void WatchTimer(TObject*) {
    if (!Children) {
      Children = true;
      for (const char* Name : {"Alpha", "Beta"}) {
        auto* Child = new TForm(this);
        Child->SetFormStyle(fsMDIChild);
        Child->SetCaption(Name);
        Child->SetBounds(0, 0, 260, 160);
        Child->HandleNeeded();
      }
    }
    EnumThreadWindows(GetCurrentThreadId(), &FindPopups, reinterpret_cast<LPARAM>(&Popups));
    if (TCustomForm* Active = ActiveMDIChild()) {
      const String Caption = Active->Caption();
      if (Caption != LastActive) Write("active " + Caption);
      LastActive = Caption;
    }
    TRuzIzivForm* Skinned = SkinOf(Handle());
    if (Reported || !Skinned || !Skinned->FSkinMenu || Skinned->FSkinState != kSkinActive || ++Ticks < 10)
      return;
    Reported = true;
    RECT Window{};
    GetWindowRect(Handle(), &Window);
    for (auto& Button : Skinned->FSkinMenu->FButtons) {
      const RECT& R = Button->FRect;
      Write("button " + std::to_string(Button->FIndex) + " " + Utf16ToUtf8(Button->FCaption) + " " +
            std::to_string(Window.left + R.left) + " " + std::to_string(Window.top + R.top) + " " +
            std::to_string(R.right - R.left) + " " + std::to_string(R.bottom - R.top));
    }
    HMENU List = this->Window->Handle();
    int N = 0;
    for (int I = 0; I < GetMenuItemCount(List); ++I) {
      if (GetMenuState(List, static_cast<UINT>(I), MF_BYPOSITION) & MF_SEPARATOR) continue;
      wchar_t Text[80] = {};
      GetMenuStringW(List, static_cast<UINT>(I), Text, 80, MF_BYPOSITION);
      Write("winitem " + std::to_string(N++) + " " + WStringToUtf8(Text));
    }
  }

  TMenuItem* Window = nullptr;

 private:
  TMenuItem* Item(TMenuItem* Parent, const char* Caption) {
    auto* It = new TMenuItem(this);
    It->SetCaption(Caption);
    It->OnClick = TNotifyEvent::Bind<&TDemoForm::ItemClick>(this);
    Parent->Add(It);
    return It;
  }

  TSkinData* Skin = nullptr;
  TTimer* Watch = nullptr;
  std::set<HWND> Popups;
  String LastActive;
  bool Children = false;
  bool Reported = false;
  int Ticks = 0;
};

TDemoForm* DemoForm = nullptr;

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  int Count = 0;
  LPWSTR* Args = CommandLineToArgvW(GetCommandLineW(), &Count);
  for (int I = 1; Args && I + 1 < Count; ++I) {
    if (lstrcmpW(Args[I], L"--skin") == 0)
      SkinFile = WStringToUtf8(Args[++I]);
    else if (lstrcmpW(Args[I], L"--log") == 0)
      Log.open(std::filesystem::path(Args[++I]), std::ios::out | std::ios::trunc | std::ios::binary);
  }
  if (Args) LocalFree(Args);
  return Application->Execute([] {
    Application->SetTitle("Menu bar demo");
    Application->CreateForm(DemoForm);
  });
}
