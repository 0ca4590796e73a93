#include "framework/win/controls/Memos.h"

// ---- TMemoStrings -------------------------------------------------------------------------------

namespace {

// Lines split at CR LF, CR or LF; a break at the very end ends the last line, it starts none.
std::vector<String> SplitLines(std::string_view Text) {
  std::vector<String> Lines;
  size_t Start = 0;
  while (Start < Text.size()) {
    size_t End = Text.find_first_of("\r\n", Start);
    if (End == std::string_view::npos) {
      Lines.emplace_back(Text.substr(Start));
      break;
    }
    Lines.emplace_back(Text.substr(Start, End - Start));
    Start = End + 1;
    if (Text[End] == '\r' && Start < Text.size() && Text[Start] == '\n') ++Start;
  }
  return Lines;
}

}  // namespace

std::vector<String> TMemoStrings::Lines() const {
  if (FPending) return *FPending;
  return SplitLines(FMemo->Text());
}

void TMemoStrings::Store(const std::vector<String>& Lines) {
  if (FPending) {
    *FPending = Lines;
    return;
  }
  String Text;
  for (size_t I = 0; I < Lines.size(); ++I) {
    if (I) Text += "\r\n";
    Text += Lines[I];
  }
  FMemo->SetText(Text);
}

int TMemoStrings::Count() const {
  return static_cast<int>(Lines().size());
}

String TMemoStrings::Get(int Index) const {
  const std::vector<String> All = Lines();
  CheckIndex(Index, static_cast<int>(All.size()));
  return All[static_cast<size_t>(Index)];
}

void TMemoStrings::Put(int Index, const String& S) {
  std::vector<String> All = Lines();
  CheckIndex(Index, static_cast<int>(All.size()));
  All[static_cast<size_t>(Index)] = S;
  Store(All);
}

void TMemoStrings::Insert(int Index, const String& S) {
  std::vector<String> All = Lines();
  CheckIndex(Index, static_cast<int>(All.size()) + 1);
  // A line may itself hold breaks: it becomes several lines.
  const std::vector<String> Parts = S.empty() ? std::vector<String>{String()} : SplitLines(S);
  All.insert(All.begin() + Index, Parts.begin(), Parts.end());
  Store(All);
}

void TMemoStrings::Delete(int Index) {
  std::vector<String> All = Lines();
  CheckIndex(Index, static_cast<int>(All.size()));
  All.erase(All.begin() + Index);
  Store(All);
}

void TMemoStrings::Clear() {
  Store({});
}

void TMemoStrings::SetText(std::string_view Text) {
  Store(SplitLines(Text));
}

void TMemoStrings::SetUpdateState(bool Updating) {
  if (Updating) {
    FPending = SplitLines(FMemo->Text());
  } else if (FPending) {
    const std::vector<String> All = std::move(*FPending);
    FPending.reset();
    Store(All);
  }
}

// ---- TCustomMemo --------------------------------------------------------------------------------

TCustomMemo::TCustomMemo(TComponent* Owner)
    : TCustomEdit(Owner), FLines(std::make_unique<TMemoStrings>(this)) {
  FWidth = 185;
  FHeight = 89;
}

TCustomMemo::~TCustomMemo() = default;

void TCustomMemo::Publish(TPublisher<TCustomMemo>& P) {
  P.Enum("Alignment", &TCustomMemo::Alignment, &TCustomMemo::SetAlignment).Default(taLeftJustify);
  P.Obj("Lines", &TCustomMemo::Lines, &TCustomMemo::SetLines);
  P.Enum("ScrollBars", &TCustomMemo::ScrollBars, &TCustomMemo::SetScrollBars).Default(ssNone);
  P.Bool("WantReturns", &TCustomMemo::WantReturns, &TCustomMemo::SetWantReturns).Default(1);
  P.Bool("WantTabs", &TCustomMemo::WantTabs, &TCustomMemo::SetWantTabs).Default(0);
  P.Bool("WordWrap", &TCustomMemo::WordWrap, &TCustomMemo::SetWordWrap).Default(1);
}

void TCustomMemo::SetAlignment(TAlignment Value) {
  if (FAlignment == Value) return;
  FAlignment = Value;
  RecreateWnd();
}

void TCustomMemo::SetScrollBars(TScrollStyle Value) {
  if (FScrollBars == Value) return;
  FScrollBars = Value;
  RecreateWnd();
}

void TCustomMemo::SetWordWrap(bool Value) {
  if (FWordWrap == Value) return;
  FWordWrap = Value;
  RecreateWnd();
}

void TCustomMemo::CreateParams(TCreateParams& Params) {
  TCustomEdit::CreateParams(Params);
  Params.Style &= ~static_cast<DWORD>(ES_AUTOHSCROLL | ES_LEFT | ES_RIGHT | ES_CENTER);
  Params.Style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
  // Without wrapping a line runs on to the right; a horizontal bar shows it, so it never wraps.
  if (!FWordWrap || FScrollBars == ssHorizontal || FScrollBars == ssBoth) Params.Style |= ES_AUTOHSCROLL;
  if (FScrollBars == ssVertical || FScrollBars == ssBoth) Params.Style |= WS_VSCROLL;
  if (FScrollBars == ssHorizontal || FScrollBars == ssBoth) Params.Style |= WS_HSCROLL;
  switch (FAlignment) {
    case taLeftJustify:
      Params.Style |= ES_LEFT;
      break;
    case taRightJustify:
      Params.Style |= ES_RIGHT;
      break;
    case taCenter:
      Params.Style |= ES_CENTER;
      break;
  }
}

void TCustomMemo::WndProc(TMessage& Message) {
  if (Message.Msg == WM_GETDLGCODE) {
    TCustomEdit::WndProc(Message);
    const auto* Key = reinterpret_cast<const MSG*>(Message.LParam);
    const bool KeyDown = Key && (Key->message == WM_KEYDOWN || Key->message == WM_CHAR);
    if (!FWantTabs) {
      Message.Result &= ~static_cast<LRESULT>(DLGC_WANTTAB);
      if (KeyDown && Key->wParam == VK_TAB) Message.Result &= ~static_cast<LRESULT>(DLGC_WANTALLKEYS);
    }
    if (!FWantReturns && KeyDown && Key->wParam == VK_RETURN)
      Message.Result &= ~static_cast<LRESULT>(DLGC_WANTALLKEYS);
    return;
  }
  TCustomEdit::WndProc(Message);
}
