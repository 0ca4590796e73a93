// TSkinData: the non-visual component a form carries to be skinned. It persists the skin archive
// inside the form description, builds the skin model (element records and colour scheme) from it,
// keeps the switches of what gets skinned and drives the process-wide skin manager. Nothing here
// paints a window; everything that paints reads the model from this component.
#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <memory>
#include <span>
#include <vector>

#include "framework/core/Classes.h"
#include "framework/win/controls/HintWindow.h"
#include "framework/win/graphics/Bitmap.h"
#include "framework/win/graphics/GdiHandles.h"
#include "framework/win/graphics/ImageList.h"
#include "skin/data/SkinColors.h"
#include "skin/data/SkinControlList.h"
#include "skin/data/SkinElements.h"
#include "skin/data/SkinManagerIntf.h"
#include "skin/data/SkinTypes.h"

class TSkinReader;
class TQuickIni;
class TSkinStore;
class TControl;
class TWinControl;
class TCustomForm;
class TSkinData;

using TOnFormSkin = TEvent<void(TObject* Sender, const String& AName, bool& DoSkin)>;
using TOnSkinForm = TEvent<void(TObject* Sender, HWND Ahwnd, const String& AName)>;
// OnSkinControl is asked first for every control of a skinned form, before the class-name list and
// the built-in choice. Sender is the window's form skin object, Form the container being walked,
// Control the control and ControlClass its class name in upper case; SkinnedControl comes in empty.
//  - Leave SkinnedControl empty: the engine chooses as usual.
//  - Set it to a skin object of your own: construct it with the control as its owner and do not attach
//    it yourself, e.g.
//        void TMyForm::SkinControl(TComponent*, TSkinData*, TControl*, TControl* Control,
//                                  const String& ControlClass, TComponent*& SkinnedControl) {
//          if (ControlClass == "TMYGAUGE") SkinnedControl = new TMyGaugeSkin(Control);
//        }
//    where TMyGaugeSkin derives from TSkinControl (skin/controls/SkinControl.h) or one of its
//    subclasses and overrides BeforeProc / AfterProc / DrawControl. The engine lists it, attaches it
//    with Init (the control's colour becomes the skin's face colour when the object already names a
//    window) and frees it when the form is unskinned; the control frees it if it goes first.
//  - Set it to the control itself or any other component that is not a skin object: the control stays
//    native (a panel returned this way still has its children skinned).
using TOnSkinControl = TEvent<void(TComponent* Sender, TSkinData* SkinData, TControl* Form, TControl* Control,
                                   const String& ControlClass, TComponent*& SkinnedControl)>;

// Indexes of Borders.
enum TSkinBorderIndex { sbLeft, sbRight, sbTop, sbBottom };
// The same borders as the frame painter of a form counts them, from 1 (Borders[Kind - 1]).
enum TSkinBorderKind : int {
  kBorderLeft = sbLeft + 1,
  kBorderRight = sbRight + 1,
  kBorderTop = sbTop + 1,
  kBorderBottom = sbBottom + 1,
};

inline constexpr char kSkinDataVersion[] = "5.60.03.29";

class TSkinData : public TComponent, public TSkinColorScheme {
  DECLARE_CLASS(TSkinData, TComponent)

 public:
  explicit TSkinData(TComponent* AOwner);
  ~TSkinData() override;

  static void Publish(TPublisher<TSkinData>& P) {
    P.Bool("Active", &TSkinData::Active, &TSkinData::SetActive);
    P.Int("DisableTag", &TSkinData::DisableTag);
    P.Set("SkinControls", &TSkinData::SkinControls);
    P.Set("Options", &TSkinData::Options);
    P.Obj("Skin3rd", &TSkinData::Skin3rd, &TSkinData::SetControlList);
    P.Str("SkinFile", &TSkinData::SkinFile, &TSkinData::LoadFromFile);
    P.Str("SkinStore", &TSkinData::GetSkinStore, &TSkinData::SetSkinStore);
    P.Enum("SkinFormtype", &TSkinData::SkinFormtype);
    P.Str("Version", &TSkinData::Version, &TSkinData::SetVersion);
    P.Bool("MenuUpdate", &TSkinData::MenuUpdate);
    P.Bool("MenuMerge", &TSkinData::MenuMerge);
    P.Event("OnFormSkin", &TSkinData::OnFormSkin);
    P.Event("OnSkinChanged", &TSkinData::OnSkinChanged);
    P.Event("OnSkinControl", &TSkinData::OnSkinControl);
    P.Event("OnBeforeSkinForm", &TSkinData::OnBeforeSkinForm);
    P.Event("OnAfterSkinForm", &TSkinData::OnAfterSkinForm);
  }

  // Published properties.
  bool Active() const { return FActive; }
  void SetActive(bool Value);
  std::int32_t DisableTag = kDefaultDisableTag;
  TSkinControlTypes SkinControls = kDefaultSkinControls;
  TSkinOptions Options = kDefaultSkinOptions;
  TStrings* Skin3rd() const { return FSkin3rd.get(); }
  void SetControlList(TStrings* Value);  // copies the lines
  const String& SkinFile() const { return FSkinFile; }
  String GetSkinStore() const;         // "(Good)" only while designing with an archive
  void SetSkinStore(const String&) {}  // read-only in effect; the description still carries it
  TSkinFormType SkinFormtype = sfMainform;
  const String& Version() const { return FVersion; }
  void SetVersion(const String&) {}  // the version is the component's, not the description's
  bool MenuUpdate = true;
  bool MenuMerge = false;
  TOnFormSkin OnFormSkin;
  TNotifyEvent OnSkinChanged;
  TOnSkinControl OnSkinControl;
  TOnSkinForm OnBeforeSkinForm;
  TOnSkinForm OnAfterSkinForm;

  // Persistence and start-up.
  void DefineProperties(TFiler& Filer) override;
  void ReadData(TStream& Stream);
  void WriteData(TStream& Stream);
  void Loaded() override;

  // Loading.
  void LoadFromFile(const String& FileName);
  void LoadFromStream(TStream& Stream);
  // The skin of item Index of Store, applied like a new SkinFile; an index outside the items does nothing.
  void LoadFromCollection(TSkinStore* Store, int Index);
  // BeforeLoadEnds, when given, runs once the model is built and before the load's own state (the
  // archive and its description) is freed: for timing or checking the load's steps on their own.
  bool LoadSkin(const std::function<void()>& BeforeLoadEnds = {});
  void LoadFromIni(const String& IniName = String());
  // The steps that build the model from the skin description, in the order a load runs them (the
  // element readers rely on the colours read before them, the built elements on the elements).
  // A step that rebuilds the elements it builds from can only run again after the steps from
  // RepeatFrom (its index in the list) have read them again; -1 for a step that can.
  struct TLoadStep {
    const char* Name;
    void (*Run)(TSkinData& Data);
    int RepeatFrom = -1;
  };
  static std::span<const TLoadStep> LoadSteps();
  // Fills Bitmap from the archive file FileName during a load; empty for anything else.
  void Readbmp(TBitmap& Bitmap, const String& FileName);
  // The same picture decoded without a bitmap (for pictures that are only cut up or measured);
  // false, leaving Image as it was, where Readbmp would give an empty bitmap.
  bool ReadImage(bmp::Image& Image, const String& FileName) const;

  // The skin manager's operations.
  void Install();
  void Uninstall();
  void UpdateSkin();
  void ChangeForm(TCustomForm* Form);
  void SkinForm(HWND Wnd);
  void EnableSkin(bool Value);
  void InstallThread(DWORD ThreadId);
  void UnInstallThread(DWORD ThreadId);
  void AddNestForm(TWinControl* Control, TCustomForm* NestForm);
  void UpdateSkinControl(TCustomForm* Form, TControl* Control);
  void UpdateMenu(TCustomForm* Form);
  void UpdateMainMenu(bool Value);
  void DeleteGraphicControl(TCustomForm* Form, TControl* Control);

  // Hooks for the form skin objects and the manager.
  void DoFormSkin(HWND Wnd, const String& ClassName, bool& DoSkin);
  void DoSkinChanged();
  void DoDebug(const String& Text);
  void ActivateHint(const RECT& R, const String& Text);
  bool IsHint() const { return FHintShown; }
  void HideHint();
  TColor GetCaptionColor() const;
  void GetAppIcon();
  using TSkinColorScheme::GetColor;
  bool GetScrollBarInfo(HWND Wnd, LONG IdObject, SCROLLBARINFO& Info) const;
  int GetSectionNum(const String& Prefix, const String& Key) const;
  static String GetFileName(const String& Name);
  // Sets the enumeration property PropName of Obj from its value name; nothing for anything else.
  static void ChangeProperty(TObject* Obj, const String& PropName, const String& Value);

  // The colour scheme (step 4 of a load).
  void ReadColor2(TShemeColor Index, const String& Key, TColor Default);
  void ReadColor();

  // Element readers and the elements built after reading. Each reader of a member held through a
  // pointer frees the previous record first; Button, Title and the Borders are refilled in place.
  void ReadBord();
  void ReadSysButton();
  void CreateMdibtn(int First);  // First: index of the first of the three MDI buttons
  void ReadButton();
  void ReadTitle(TDataSkinTitle& Obj, const String& Section);
  void ReadRGB(const String& Section, const String& Name, TColor& Color);
  void ReadObject(std::unique_ptr<TDataSkinObject>& Obj, const String& Section);
  void ReadObject2(std::unique_ptr<TDataSkinBorder>& Obj, const String& Section, const String& SecondKey);
  void ReadProgress(std::unique_ptr<TDataSkinObject>& Obj, const String& Section);  // a TDataSkinBorder
  void ReadBoxLabel(std::unique_ptr<TDataSkinBoxLabel>& Obj, const String& Section);
  void ReadMenuBar(std::unique_ptr<TDataSkinObject>& Obj, const String& Section);
  void ReadTrack(std::unique_ptr<TDataSkinObject>& Obj, const String& Name);  // program resource Name
  void SetFrame();
  void MirrorComboButton();  // the combo button's second image: its first facing the other way
  void ReBuildCombobox();
  void ReBuildComboxArrow();
  void RebuildToolbar();
  void CreateMinCaption();

  // Members of the model.
  std::unique_ptr<TMemoryStream> FSkinStream;
  bool FNoSkin = true;
  std::unique_ptr<TSkinReader> FReader;        // during a load
  std::unique_ptr<TMemoryStream> FFileStream;  // during a load
  std::unique_ptr<TQuickIni> FIni;             // during a load
  std::unique_ptr<TStringList> FSections;      // during a load
  TGdiBrush FaceBrush;
  String SkinName;

  std::unique_ptr<TDataSkinTitle> Title;
  std::vector<std::unique_ptr<TDataSkinSysButton>> SysButtons;
  std::unique_ptr<TDataSkinButton> Button;
  std::array<std::unique_ptr<TDataSkinBorder>, 4> Borders;
  std::unique_ptr<TDataSkinBorder> Tab;
  std::unique_ptr<TDataSkinBorder> UpDownHorz;
  std::unique_ptr<TDataSkinBorder> UpDownVert;
  std::unique_ptr<TDataSkinObject> SunkEdge;
  std::unique_ptr<TDataSkinObject> ExtraImages;
  std::unique_ptr<TDataSkinBorder> ComboButton;
  std::unique_ptr<TDataSkinObject> ComboxArrow;
  std::unique_ptr<TDataSkinObject> GroupBoxEdge;
  std::unique_ptr<TDataSkinObject> Toolbar;
  std::unique_ptr<TDataSkinObject> ToolBars;
  std::unique_ptr<TDataSkinObject> Progress;  // a TDataSkinBorder when present
  std::unique_ptr<TDataSkinObject> ProgressChunk;
  std::unique_ptr<TDataSkinBoxLabel> GroupBox;
  std::unique_ptr<TDataSkinObject> StatusBarEdges;
  std::unique_ptr<TDataSkinObject> TabPane;
  std::unique_ptr<TDataSkinObject> Headerbar;
  std::unique_ptr<TDataSkinObject> MenuBar;
  std::unique_ptr<TDataSkinObject> MenuItem;
  std::unique_ptr<TDataSkinObject> MenuBackground;
  std::unique_ptr<TDataSkinObject> Scrollbar;
  std::unique_ptr<TDataSkinObject> HorzScroll;
  std::unique_ptr<TDataSkinObject> VertScroll;
  std::unique_ptr<TDataSkinObject> HorzScrollThumb;
  std::unique_ptr<TDataSkinObject> VertScrollThumb;
  std::unique_ptr<TDataSkinObject> TrackbarThumbHorz;
  std::unique_ptr<TDataSkinObject> TrackbarThumbVert;
  std::unique_ptr<TDataSkinObject> TrackbarThumbLeft;
  std::unique_ptr<TDataSkinObject> TrackbarThumbRight;
  std::unique_ptr<TDataSkinObject> TrackbarThumbUp;
  std::unique_ptr<TDataSkinObject> TrackbarThumbDown;
  std::unique_ptr<TDataSkinObject> Track;
  std::unique_ptr<TDataSkinObject> TrackVert;
  std::unique_ptr<TDataSkinObject> MinCaption;

  std::unique_ptr<TBitmap> AppIcon;
  std::unique_ptr<TImageList> MenuImages;
  std::unique_ptr<THintWindow> FHintWindow;
  bool FHintShown = false;
  bool FMainMenuUpdate = true;
  std::int32_t FHintCounter = 0;
  TStrings* DebugLines = nullptr;  // not owned

 private:
  bool Designing() const { return ComponentState().Contains(csDesigning); }
  bool Reading() const {
    return ComponentState().Contains(csLoading) || ComponentState().Contains(csReading);
  }
  void ApplyLoadedStream();

  bool FActive = false;
  std::unique_ptr<TStringList> FSkin3rd;
  String FSkinFile;
  String FVersion = kSkinDataVersion;
};

// Optional user32 entry points, looked up by name once; null where the system lacks them.
using TGetScrollBarInfoProc = BOOL(WINAPI*)(HWND, LONG, PSCROLLBARINFO);
using TTrackMouseEventProc = BOOL(WINAPI*)(LPTRACKMOUSEEVENT);
using TGetComboBoxInfoProc = BOOL(WINAPI*)(HWND, PCOMBOBOXINFO);
using TDisableProcessWindowsGhostingProc = void(WINAPI*)();
extern TGetScrollBarInfoProc pGetScrollBarInfo;
extern TTrackMouseEventProc pTrackMouseEvent;
extern TGetComboBoxInfoProc pGetComboBoxInfo;
extern TDisableProcessWindowsGhostingProc pDisableProcessWindowsGhosting;

// Set at start-up by the skin manager unit.
extern bool Win32PlatformIsUnicode;
extern bool IsVista;
// Code page of the narrow text helpers; 0 stands for the framework's own narrow text (UTF-8).
extern UINT DefaultUserCodePage;

// Module-side entry for a skin applied inside a separately loaded module: attach this module's
// manager to the host's Data and hook the module's thread. Null when no manager can be created.
TSkinManageBase* SkinDll(TSkinManageBase* Data);
// Asks for WM_MOUSELEAVE on Wnd where the system offers it.
void DoTrackMouse(HWND Wnd);
WideString StrToWideStr(const String& Text);
String WideStringToStringEx(const WideString& WideText);
// The zero-terminated wide text at Buffer, cut to Length characters unless Length is -1.
WideString _WStr(const wchar_t* Buffer, int Length);
int Tnt_DrawTextW(HDC DC, const WideString& Text, RECT& Rect, UINT Format);
