// The built-in class list and the look-up rule of the control-kind mapping.

#include "skin/data/SkinControlList.h"

#include <array>

#include "framework/core/SysUtils.h"
#include "framework/core/WithinUpdate.h"

namespace {

// Order matters: look-up takes the first line of a class, so a repeated line never matches.
constexpr std::array kBuiltInControls = {
    "TCategoryButtons=scrollbar",
    "TPngSpeedbutton=pngspeedbutton",
    "TPngBitBtn=pngbitbtn",
    "TVirtualStringTree=scrollbar",
    "TVirtualDrawTree=scrollbar",
    "TTBXDockablePanel=Panel",
    "TAdvPanelGroup=scrollbar",
    "TComboboxex=combobox",
    "TRxSpeedButton=speedbutton",
    "THTMLViewer=scrollbar",
    "TDBCtrlGrid=scrollbar",
    "TfrSpeedButton=speedbutton",
    "TfrTBButton=speedbutton",
    "TControlBar=Panel",
    "TTBDock=Panel",
    "TTBToolbar=Panel",
    "TImageEnMView=scrollbar",
    "TImageEnView=scrollbar",
    "TAdvMemo=scrollbar",
    "TDBAdvMemo=scrollbar",
    "TcxDBLookupComboBox=combobox",
    "TcxDBComboBox=combobox",
    "TcxDBDateEdit=combobox",
    "TcxDBImageComboBox=combobox",
    "TcxDBCalcEdit=combobox",
    "TcxDBBlobEdit=combobox",
    "TcxDBPopupEdit=combobox",
    "TcxDBFontNameComboBox=combobox",
    "TcxDBShellComboBox=combobox",
    "TRxLookupEdit=combobox",
    "TRxDBLookupCombo=combobox",
    "TRzGroup=panel",
    "TRzButton=button",
    "TRzBitbtn=bitbtn",
    "TRzMenuButton=menubtn",
    "TRzCheckGroup=CheckGroup",
    "TRzRadioGroup=Radiogroup",
    "TRzButtonEdit=Edit",
    "TRzDBRadioGroup=Radiogroup",
    "TRzDBRadioButton=Radiobutton",
    "TRzDateTimeEdit=combobox",
    "TRzColorEdit=combobox",
    "TRzDateTimePicker=combobox",
    "TRzDBDateTimeEdit=combobox",
    "TRzDbColorEdit=combobox",
    "TRzDBDateTimePicker=combobox",
    "TLMDButton=bitbtn",
    "TLMDGroupBox=Groupbox",
    "TDBCheckboxEh=Checkbox",
    "TDBCheckboxEh=Checkbox",
    "TLMDCHECKBOX=Checkbox",
    "TLMDDBCHECKBOX=Checkbox",
    "TLMDRadiobutton=Radiobutton",
    "TLMDCalculator=panel",
    "TLMDGROUPBOX=Panel",
    "TLMDSIMPLEPANEL=Panel",
    "TLMDDBCalendar=Panel",
    "TLMDButtonPanel=Panel",
    "TLMDLMDCalculator=Panel",
    "TLMDHeaderPanel=Panel",
    "TLMDTechnicalLine=Panel",
    "TLMDLMDClock=Panel",
    "TLMDTrackbar=panel",
    "TLMDListCombobox=combobox",
    "TLMDCheckListCombobox=combobox",
    "TLMDHeaderListCombobox=combobox",
    "TLMDImageCombobox=combobox",
    "TLMDColorCombobox=combobox",
    "TLMDFontCombobox=combobox",
    "TLMDFontSizeCombobox=combobox",
    "TLMDFontSizeCombobox=combobox",
    "TLMDPrinterCombobox=combobox",
    "TLMDDriveCombobox=combobox",
    "TLMDCalculatorComboBox=combobox",
    "TLMDTrackBarComboBox=combobox",
    "TLMDCalendarComboBox=combobox",
    "TLMDTreeComboBox=combobox",
    "TLMDRADIOGROUP=radiogroup",
    "TLMDCheckGroup=CheckGroup",
    "TLMDDBRADIOGROUP=radiogroup",
    "TLMDDBCheckGroup=CheckGroup",
    "TLMDCalculatorEdit=edit",
    "TLMDEDIT=Edit",
    "TLMDMASKEDIT=Edit",
    "TLMDBROWSEEDIT=Edit",
    "TLMDEXTSPINEDIT=Edit",
    "TLMDCALENDAREDIT=Edit",
    "TLMDFILEOPENEDIT=Edit",
    "TLMDFILESAVEEDIT=Edit",
    "TLMDCOLOREDIT=Edit",
    "TLMDDBEDIT=Edit",
    "TLMDDBMASKEDIT=Edit",
    "TLMDDBEXTSPINEDIT=Edit",
    "TLMDDBSPINEDIT=Edit",
    "TLMDDBEDITDBLookup=Edit",
    "TLMDEDITDBLookup=Edit",
    "TDBLookupCombobox=Combobox",
    "TWWDBCombobox=Combobox",
    "TWWDBLookupCombo=Combobox",
    "TWWDBCombobox=Combobox",
    "TWWKeyCombo=Combobox",
    "TWWTempKeyCombo=combobox",
    "TWWDBDateTimePicker=Combobox",
    "TWWRADIOGROUP=radiogroup",
    "TWWDBEDIT=Edit",
    "TcxButton=bitbtn",
    "TcxDBRadioGroup=radiogroup",
    "TcxRadioGroup=radiogroup",
    "TcxGroupbox=groupbox",
    "TOVCPICTUREFIELD=Edit",
    "TOVCDBPICTUREFIELD=Edit",
    "TOVCSLIDEREDIT=Edit",
    "TOVCDBSLIDEREDIT=Edit",
    "TOVCSIMPLEFIELD=Edit",
    "TOVCDBSIMPLEFIELD=Edit",
    "TO32DBFLEXEDIT=Edit",
    "TOVCNUMERICFIELD=Edit",
    "TOVCDBNUMERICFIELD=Edit",
};

constexpr std::size_t kMaxKindLength = 50;

}  // namespace

void InitControlList(TStrings& Lines) {
  WithinUpdate(Lines, [&] {
    for (const char* Line : kBuiltInControls) Lines.Add(Line);
  });
}

int BuiltInControlListCount() {
  return static_cast<int>(kBuiltInControls.size());
}

std::optional<String> FindControlKind(const TStrings& Lines, std::string_view ClassName) {
  const String Key = LowerCase(ClassName) + "=";
  for (int I = 0, N = Lines.Count(); I < N; ++I) {
    const String Line = LowerCase(Lines.Get(I));
    if (Line.compare(0, Key.size(), Key) != 0) continue;
    return Line.substr(Key.size(), kMaxKindLength);
  }
  return std::nullopt;
}

TSkinControlList::TSkinControlList()
    : FEdit(std::make_unique<TStringList>()),
      FCheckbox(std::make_unique<TStringList>()),
      FCombobox(std::make_unique<TStringList>()),
      FRadiobutton(std::make_unique<TStringList>()) {}

TSkinControlList::~TSkinControlList() = default;

void TSkinControlList::Copy(TStringList& Dest, TStrings* Source) {
  if (Source)
    Dest.Assign(Source);
  else
    Dest.Clear();
}
