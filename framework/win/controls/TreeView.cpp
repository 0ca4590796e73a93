#include "framework/win/controls/TreeView.h"

#include <algorithm>

#include "framework/core/ScopedFlag.h"
#include "framework/core/WithinUpdate.h"
#include "framework/win/controls/WideText.h"

namespace {

// Asks the window to fetch the texts and images of an item again.
void RefreshItem(HWND Tree, HTREEITEM Item) {
  TVITEMW Native{};
  Native.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
  Native.hItem = Item;
  Native.pszText = LPSTR_TEXTCALLBACKW;
  Native.iImage = I_IMAGECALLBACK;
  Native.iSelectedImage = I_IMAGECALLBACK;
  SendMessageW(Tree, TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&Native));
}

}  // namespace

// ---------------------------------------------------------------------------------------------------
// TTreeNode

TTreeNode::TTreeNode(TTreeNodes* Owner, TTreeNode* Parent) : FOwner(Owner), FParent(Parent) {}

TTreeNode::~TTreeNode() {
  TCustomTreeView* Tree = TreeView();
  if (FItemId && Tree && Tree->HandleAllocated()) {
    // The window drops the whole branch at once; the children's items go with it.
    TScopedFlag Deleting(Tree->FDeleting);
    SendMessageW(Tree->WindowHandle(), TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(FItemId));
  }
  DropItems();
  for (TTreeNode* Child : FChildren) Child->FParent = nullptr;  // no need to leave this node's list
  for (auto It = FChildren.rbegin(); It != FChildren.rend(); ++It) delete *It;
  FChildren.clear();
  if (Tree) Tree->NodeDeleted(this);
  if (FParent) {
    auto& Siblings = FParent->FChildren;
    Siblings.erase(std::remove(Siblings.begin(), Siblings.end(), this), Siblings.end());
  }
}

TCustomTreeView* TTreeNode::TreeView() const {
  return FOwner ? FOwner->FTreeView : nullptr;
}

TTreeNode* TTreeNode::Item(int Index) const {
  if (Index < 0 || Index >= Count()) return nullptr;
  return FChildren[static_cast<size_t>(Index)];
}

int TTreeNode::Index() const {
  if (!FParent) return -1;
  const auto& Siblings = FParent->FChildren;
  return static_cast<int>(std::find(Siblings.begin(), Siblings.end(), this) - Siblings.begin());
}

int TTreeNode::Level() const {
  int Depth = -1;
  for (const TTreeNode* Node = FParent; Node; Node = Node->FParent) ++Depth;
  return Depth;
}

void TTreeNode::SetText(const String& Value) {
  if (FText == Value) return;
  FText = Value;
  if (TCustomTreeView* Tree = TreeView(); FItemId && Tree && Tree->HandleAllocated())
    RefreshItem(Tree->WindowHandle(), FItemId);
}

void TTreeNode::SetImageIndex(int Value) {
  if (FImageIndex == Value) return;
  FImageIndex = Value;
  if (TCustomTreeView* Tree = TreeView(); FItemId && Tree && Tree->HandleAllocated())
    RefreshItem(Tree->WindowHandle(), FItemId);
}

void TTreeNode::SetSelectedIndex(int Value) {
  if (FSelectedIndex == Value) return;
  FSelectedIndex = Value;
  if (TCustomTreeView* Tree = TreeView(); FItemId && Tree && Tree->HandleAllocated())
    RefreshItem(Tree->WindowHandle(), FItemId);
}

bool TTreeNode::Expanded() const {
  TCustomTreeView* Tree = TreeView();
  if (FItemId && Tree && Tree->HandleAllocated())
    return (SendMessageW(Tree->WindowHandle(), TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(FItemId),
                         TVIS_EXPANDED) &
            TVIS_EXPANDED) != 0;
  return FExpanded;
}

void TTreeNode::SetExpanded(bool Value) {
  FExpanded = Value;
  TCustomTreeView* Tree = TreeView();
  if (FItemId && Tree && Tree->HandleAllocated())
    SendMessageW(Tree->WindowHandle(), TVM_EXPAND, Value ? TVE_EXPAND : TVE_COLLAPSE,
                 reinterpret_cast<LPARAM>(FItemId));
}

void TTreeNode::Expand(bool Recurse) {
  SetExpanded(true);
  if (Recurse)
    for (TTreeNode* Child : FChildren) Child->Expand(true);
}

bool TTreeNode::Selected() const {
  TCustomTreeView* Tree = TreeView();
  return Tree && Tree->Selected() == this;
}

void TTreeNode::SetSelected(bool Value) {
  TCustomTreeView* Tree = TreeView();
  if (!Tree) return;
  if (Value)
    Tree->SetSelected(this);
  else if (Tree->Selected() == this)
    Tree->SetSelected(nullptr);
}

void TTreeNode::Delete() {
  if (FOwner) FOwner->Delete(this);
}

void TTreeNode::CreateItems(HWND Tree, HTREEITEM After) {
  TVINSERTSTRUCTW Insert{};
  Insert.hParent = FParent && FParent->FParent ? FParent->FItemId : TVI_ROOT;
  Insert.hInsertAfter = After;
  Insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM;
  Insert.item.pszText = LPSTR_TEXTCALLBACKW;
  Insert.item.iImage = I_IMAGECALLBACK;
  Insert.item.iSelectedImage = I_IMAGECALLBACK;
  Insert.item.lParam = reinterpret_cast<LPARAM>(this);
  FItemId =
      reinterpret_cast<HTREEITEM>(SendMessageW(Tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&Insert)));
  if (!FItemId) return;
  for (TTreeNode* Child : FChildren) Child->CreateItems(Tree, TVI_LAST);
  if (FExpanded) SendMessageW(Tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(FItemId));
}

void TTreeNode::DropItems() {
  FItemId = nullptr;
  for (TTreeNode* Child : FChildren) Child->DropItems();
}

void TTreeNode::ForgetItems() {
  if (FItemId) FExpanded = Expanded();
  FItemId = nullptr;
  for (TTreeNode* Child : FChildren) Child->ForgetItems();
}

// ---------------------------------------------------------------------------------------------------
// TTreeNodes

TTreeNodes::TTreeNodes(TCustomTreeView* TreeView)
    : FTreeView(TreeView), FRoot(std::make_unique<TTreeNode>(this, nullptr)) {}

TTreeNodes::~TTreeNodes() {
  FTreeView = nullptr;  // the window is gone; the nodes go without telling it
  FRoot.reset();
}

int TTreeNodes::Count() const {
  int Total = 0;
  std::vector<const TTreeNode*> Stack{FRoot.get()};
  while (!Stack.empty()) {
    const TTreeNode* Node = Stack.back();
    Stack.pop_back();
    Total += Node->Count();
    for (const TTreeNode* Child : Node->FChildren) Stack.push_back(Child);
  }
  return Total;
}

TTreeNode* TTreeNodes::Item(int Index) const {
  if (Index < 0) return nullptr;
  // Depth first, children in order.
  std::vector<TTreeNode*> Stack(FRoot->FChildren.rbegin(), FRoot->FChildren.rend());
  while (!Stack.empty()) {
    TTreeNode* Node = Stack.back();
    Stack.pop_back();
    if (Index-- == 0) return Node;
    Stack.insert(Stack.end(), Node->FChildren.rbegin(), Node->FChildren.rend());
  }
  return nullptr;
}

TTreeNode* TTreeNodes::InsertNode(TTreeNode* Parent, int Index, const String& Text) {
  if (!Parent) Parent = FRoot.get();
  if (Parent->FOwner != this) throw EListError("The node belongs to another tree");
  auto Node = std::make_unique<TTreeNode>(this, Parent);
  Node->FText = Text;
  auto& Siblings = Parent->FChildren;
  if (Index < 0 || Index > static_cast<int>(Siblings.size())) Index = static_cast<int>(Siblings.size());
  TTreeNode* Added = Node.release();
  Siblings.insert(Siblings.begin() + Index, Added);
  if (FTreeView && FTreeView->HandleAllocated() && (Parent == FRoot.get() || Parent->FItemId)) {
    HTREEITEM After = Index == 0 ? TVI_FIRST : Siblings[static_cast<size_t>(Index - 1)]->FItemId;
    Added->CreateItems(FTreeView->WindowHandle(), After ? After : TVI_LAST);
  }
  return Added;
}

TTreeNode* TTreeNodes::Add(TTreeNode* Sibling, const String& Text) {
  return InsertNode(Sibling ? Sibling->FParent : nullptr, -1, Text);
}

TTreeNode* TTreeNodes::AddChild(TTreeNode* Parent, const String& Text) {
  return InsertNode(Parent, -1, Text);
}

TTreeNode* TTreeNodes::AddChildFirst(TTreeNode* Parent, const String& Text) {
  return InsertNode(Parent, 0, Text);
}

TTreeNode* TTreeNodes::Insert(TTreeNode* Sibling, const String& Text) {
  if (!Sibling) return InsertNode(nullptr, -1, Text);
  return InsertNode(Sibling->FParent, Sibling->Index(), Text);
}

void TTreeNodes::Delete(TTreeNode* Node) {
  if (!Node || Node == FRoot.get() || Node->FOwner != this) return;
  delete Node;
}

void TTreeNodes::Clear() {
  WithinUpdate(*this, [&] {
    while (FRoot->Count() > 0) delete FRoot->FChildren.back();
  });
}

void TTreeNodes::BeginUpdate() {
  if (FUpdateCount++ == 0 && FTreeView && FTreeView->HandleAllocated())
    SendMessageW(FTreeView->WindowHandle(), WM_SETREDRAW, FALSE, 0);
}

void TTreeNodes::EndUpdate() {
  if (FUpdateCount > 0 && --FUpdateCount == 0 && FTreeView && FTreeView->HandleAllocated()) {
    SendMessageW(FTreeView->WindowHandle(), WM_SETREDRAW, TRUE, 0);
    InvalidateRect(FTreeView->WindowHandle(), nullptr, TRUE);
  }
}

void TTreeNodes::Assign(TPersistent* Source) {
  auto* Other = dynamic_cast<TTreeNodes*>(Source);
  if (!Other) {
    TPersistent::Assign(Source);
    return;
  }
  if (Other == this) return;
  // A copy that fails half-way (out of memory) still closes the update: the window draws again.
  WithinUpdate(*this, [&] {
    Clear();
    // Copies branch by branch, without recursion.
    std::vector<std::pair<const TTreeNode*, TTreeNode*>> Work{{Other->FRoot.get(), FRoot.get()}};
    while (!Work.empty()) {
      auto [From, To] = Work.back();
      Work.pop_back();
      for (const TTreeNode* Child : From->FChildren) {
        TTreeNode* Copy = InsertNode(To, -1, Child->FText);
        Copy->FImageIndex = Child->FImageIndex;
        Copy->FSelectedIndex = Child->FSelectedIndex;
        Copy->FExpanded = Child->Expanded();
        Copy->Data = Child->Data;
        Work.emplace_back(Child, Copy);
      }
    }
  });
}

void TTreeNodes::DefineProperties(TFiler& Filer) {
  TPersistent::DefineProperties(Filer);
  Filer.DefineProperty(
      "Nodes",
      [this](TReader& Reader) {
        WithinUpdate(*this, [&] {
          Clear();
          Reader.ReadListBegin();
          ReadNodes(Reader, FRoot.get());
          Reader.ReadListEnd();
        });
      },
      [this](TWriter& Writer) {
        Writer.WriteListBegin();
        WriteNodes(Writer, FRoot.get());
        Writer.WriteListEnd();
      },
      RootCount() > 0);
}

void TTreeNodes::ReadNodes(TReader& Reader, TTreeNode* Parent) {
  // The reader's nesting is bounded, and with it this recursion.
  while (!Reader.EndOfList()) {
    TTreeNode* Node = InsertNode(Parent, -1, Reader.ReadString());
    if (!Reader.EndOfList() && Reader.NextIsList()) {
      Reader.ReadListBegin();
      ReadNodes(Reader, Node);
      Reader.ReadListEnd();
    }
  }
}

void TTreeNodes::WriteNodes(TWriter& Writer, const TTreeNode* Parent) const {
  for (const TTreeNode* Node : Parent->FChildren) {
    Writer.WriteString(Node->FText);
    if (Node->HasChildren()) {
      Writer.WriteListBegin();
      WriteNodes(Writer, Node);
      Writer.WriteListEnd();
    }
  }
}

// ---------------------------------------------------------------------------------------------------
// TCustomTreeView

TCustomTreeView::TCustomTreeView(TComponent* AOwner)
    : TWinControl(AOwner), FItems(std::make_unique<TTreeNodes>(this)) {
  FWidth = 121;
  FHeight = 97;
  FTabStop = true;
  FColor = clWindow;
}

TCustomTreeView::~TCustomTreeView() {
  DestroyHandle();
  SetReference(FImages, nullptr);
}

void TCustomTreeView::Publish(TPublisher<TCustomTreeView>& P) {
  P.Enum("BorderStyle", &TCustomTreeView::BorderStyle, &TCustomTreeView::SetBorderStyle).Default(bsSingle);
  P.Obj("Items", &TCustomTreeView::Items, &TCustomTreeView::SetItems);
  P.Obj("Images", &TCustomTreeView::Images, &TCustomTreeView::SetImages);
  P.Bool("ShowLines", &TCustomTreeView::ShowLines, &TCustomTreeView::SetShowLines).Default(1);
  P.Bool("ShowRoot", &TCustomTreeView::ShowRoot, &TCustomTreeView::SetShowRoot).Default(1);
  P.Bool("ShowButtons", &TCustomTreeView::ShowButtons, &TCustomTreeView::SetShowButtons).Default(1);
  P.Bool("ReadOnly", &TCustomTreeView::ReadOnly, &TCustomTreeView::SetReadOnly).Default(0);
  P.Bool("HideSelection", &TCustomTreeView::HideSelection, &TCustomTreeView::SetHideSelection).Default(1);
  P.Int("Indent", &TCustomTreeView::Indent, &TCustomTreeView::SetIndent).Default(19);
  P.Event("OnChanging", &TCustomTreeView::OnChanging);
  P.Event("OnChange", &TCustomTreeView::OnChange);
  P.Event("OnExpanded", &TCustomTreeView::OnExpanded);
  P.Event("OnCollapsed", &TCustomTreeView::OnCollapsed);
}

void TCustomTreeView::CreateParams(TCreateParams& Params) {
  InitCommonControlClasses(ICC_TREEVIEW_CLASSES);
  TWinControl::CreateParams(Params);
  Params.BaseClassName = WC_TREEVIEWW;
  if (FBorderStyle == bsSingle) Params.ExStyle |= WS_EX_CLIENTEDGE;
  if (FShowLines) Params.Style |= TVS_HASLINES;
  if (FShowRoot) Params.Style |= TVS_LINESATROOT;
  if (FShowButtons) Params.Style |= TVS_HASBUTTONS;
  if (!FReadOnly) Params.Style |= TVS_EDITLABELS;
  if (!FHideSelection) Params.Style |= TVS_SHOWSELALWAYS;
}

void TCustomTreeView::CreateWnd() {
  TWinControl::CreateWnd();
  if (FImages)
    SendMessageW(FHandle, TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(FImages->Handle()));
  SendMessageW(FHandle, TVM_SETINDENT, static_cast<WPARAM>(FIndent), 0);
  TScopedFlag Deleting(FDeleting);  // re-creating what was there: no change reports
  for (TTreeNode* Root : FItems->FRoot->FChildren) Root->CreateItems(FHandle, TVI_LAST);
  if (FSelected && FSelected->FItemId)
    SendMessageW(FHandle, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(FSelected->FItemId));
}

void TCustomTreeView::DestroyWnd() {
  // The nodes stay; they keep what only the window knew.
  for (TTreeNode* Root : FItems->FRoot->FChildren) Root->ForgetItems();
  TScopedFlag Deleting(FDeleting);
  TWinControl::DestroyWnd();
}

void TCustomTreeView::Notification(TComponent* AComponent, TOperation Operation) {
  TWinControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FImages) {
    FImages = nullptr;
    if (FHandle) SendMessageW(FHandle, TVM_SETIMAGELIST, TVSIL_NORMAL, 0);
  }
}

void TCustomTreeView::SetImages(TImageList* Value) {
  if (!SetReference(FImages, Value)) return;
  if (FHandle)
    SendMessageW(FHandle, TVM_SETIMAGELIST, TVSIL_NORMAL,
                 reinterpret_cast<LPARAM>(FImages ? FImages->Handle() : nullptr));
}

void TCustomTreeView::SetBorderStyle(TBorderStyle Value) {
  Value = Value == bsNone ? bsNone : bsSingle;
  if (FBorderStyle == Value) return;
  FBorderStyle = Value;
  RecreateWnd();
}

void TCustomTreeView::SetShowLines(bool Value) {
  if (FShowLines == Value) return;
  FShowLines = Value;
  RecreateWnd();
}

void TCustomTreeView::SetShowRoot(bool Value) {
  if (FShowRoot == Value) return;
  FShowRoot = Value;
  RecreateWnd();
}

void TCustomTreeView::SetShowButtons(bool Value) {
  if (FShowButtons == Value) return;
  FShowButtons = Value;
  RecreateWnd();
}

void TCustomTreeView::SetReadOnly(bool Value) {
  if (FReadOnly == Value) return;
  FReadOnly = Value;
  RecreateWnd();
}

void TCustomTreeView::SetHideSelection(bool Value) {
  if (FHideSelection == Value) return;
  FHideSelection = Value;
  RecreateWnd();
}

void TCustomTreeView::SetIndent(int Value) {
  FIndent = std::max(Value, 0);
  if (FHandle) SendMessageW(FHandle, TVM_SETINDENT, static_cast<WPARAM>(FIndent), 0);
}

void TCustomTreeView::SetSelected(TTreeNode* Value) {
  if (Value && Value->FOwner != FItems.get()) return;
  FSelected = Value;
  if (FHandle)
    SendMessageW(FHandle, TVM_SELECTITEM, TVGN_CARET,
                 reinterpret_cast<LPARAM>(Value ? Value->FItemId : nullptr));
}

void TCustomTreeView::FullExpand() {
  for (TTreeNode* Root : FItems->FRoot->FChildren) Root->Expand(true);
}

void TCustomTreeView::FullCollapse() {
  for (int I = 0; TTreeNode* Node = FItems->Item(I); ++I) Node->Collapse();
}

TTreeNode* TCustomTreeView::NodeOf(HTREEITEM Item) const {
  if (!FHandle || !Item) return nullptr;
  TVITEMW Native{};
  Native.mask = TVIF_PARAM | TVIF_HANDLE;
  Native.hItem = Item;
  if (!SendMessageW(FHandle, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&Native))) return nullptr;
  auto* Node = reinterpret_cast<TTreeNode*>(Native.lParam);
  return Node && Node->FItemId == Item ? Node : nullptr;
}

void TCustomTreeView::NodeDeleted(TTreeNode* Node) {
  if (FSelected == Node) FSelected = nullptr;
}

void TCustomTreeView::WndProc(TMessage& Message) {
  if (Message.Msg != CN_NOTIFY) {
    TWinControl::WndProc(Message);
    return;
  }
  Message.Result = 0;
  const NMHDR* Header = NotifyHeader(Message);
  if (!Header) return;
  switch (Header->code) {
    case TVN_GETDISPINFOW: {
      auto* Info = reinterpret_cast<NMTVDISPINFOW*>(Message.LParam);
      TVITEMW& Native = Info->item;
      const auto* Node = reinterpret_cast<const TTreeNode*>(Native.lParam);
      if (!Node || Node->FItemId != Native.hItem) return;
      if (Native.mask & TVIF_TEXT) LendText(Node->FText, Native.pszText, Native.cchTextMax);
      if (Native.mask & TVIF_IMAGE) Native.iImage = Node->FImageIndex;
      if (Native.mask & TVIF_SELECTEDIMAGE)
        Native.iSelectedImage = Node->FSelectedIndex >= 0 ? Node->FSelectedIndex : Node->FImageIndex;
      return;
    }
    case TVN_SELCHANGINGW: {
      if (FDeleting) return;
      const auto* Change = reinterpret_cast<const NMTREEVIEWW*>(Message.LParam);
      bool Allow = true;
      if (OnChanging) OnChanging(this, NodeOf(Change->itemNew.hItem), Allow);
      Message.Result = Allow ? FALSE : TRUE;
      return;
    }
    case TVN_SELCHANGEDW: {
      const auto* Change = reinterpret_cast<const NMTREEVIEWW*>(Message.LParam);
      FSelected = NodeOf(Change->itemNew.hItem);
      if (!FDeleting && OnChange) OnChange(this, FSelected);
      return;
    }
    case TVN_ITEMEXPANDEDW: {
      const auto* Change = reinterpret_cast<const NMTREEVIEWW*>(Message.LParam);
      TTreeNode* Node = NodeOf(Change->itemNew.hItem);
      if (!Node || FDeleting) return;
      Node->FExpanded = Change->action & TVE_EXPAND;
      if (Node->FExpanded && OnExpanded) OnExpanded(this, Node);
      if (!Node->FExpanded && OnCollapsed) OnCollapsed(this, Node);
      return;
    }
    case TVN_ENDLABELEDITW: {
      const auto* Edit = reinterpret_cast<const NMTVDISPINFOW*>(Message.LParam);
      TTreeNode* Node = NodeOf(Edit->item.hItem);
      if (Node && Edit->item.pszText) {
        Node->FText = WideToUtf8(Edit->item.pszText);
        Message.Result = TRUE;
      }
      return;
    }
  }
}
