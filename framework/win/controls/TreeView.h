// TTreeView: a tree of nodes on the system's tree-view class. The nodes live here and survive the
// window; the window asks for their texts and images as it draws. A description lists the nodes as
// nested lists: Items.Nodes = ('Root' ('Child' ('Grandchild') 'Second child') 'Second root').
#pragma once

#include <memory>
#include <vector>

#include "framework/win/controls/CommonControls.h"
#include "framework/win/controls/Controls.h"
#include "framework/win/graphics/ImageList.h"

class TCustomTreeView;
class TTreeNodes;

class TTreeNode : public TPersistent {
  DECLARE_CLASS(TTreeNode, TPersistent)

 public:
  // Use TTreeNodes to make nodes; the tree owns them.
  TTreeNode(TTreeNodes* Owner, TTreeNode* Parent);
  ~TTreeNode() override;

  TTreeNodes* Owner() const { return FOwner; }
  TTreeNode* Parent() const { return FParent; }
  int Count() const { return static_cast<int>(FChildren.size()); }
  TTreeNode* Item(int Index) const;  // null outside
  bool HasChildren() const { return !FChildren.empty(); }
  // Position among the parent's children (or the roots); depth below the roots (roots are 0).
  int Index() const;
  int Level() const;

  const String& Text() const { return FText; }
  void SetText(const String& Value);
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value);
  int SelectedIndex() const { return FSelectedIndex; }
  void SetSelectedIndex(int Value);
  bool Expanded() const;
  void SetExpanded(bool Value);
  void Expand(bool Recurse);
  void Collapse() { SetExpanded(false); }
  bool Selected() const;
  void SetSelected(bool Value);
  // Frees the node and its children.
  void Delete();
  // The native item while the window exists.
  HTREEITEM ItemId() const { return FItemId; }
  void* Data = nullptr;

 private:
  friend class TTreeNodes;
  friend class TCustomTreeView;
  TCustomTreeView* TreeView() const;
  void CreateItems(HWND Tree, HTREEITEM After);  // this node's native item and its children's
  void ForgetItems();                            // the window goes away: keep the expanded state
  void DropItems();                              // the native items are gone already

  TTreeNodes* FOwner;
  TTreeNode* FParent;
  std::vector<TTreeNode*> FChildren;
  String FText;
  int FImageIndex = -1;
  int FSelectedIndex = -1;
  bool FExpanded = false;
  HTREEITEM FItemId = nullptr;
};

class TTreeNodes : public TPersistent {
  DECLARE_CLASS(TTreeNodes, TPersistent)

 public:
  explicit TTreeNodes(TCustomTreeView* TreeView);
  ~TTreeNodes() override;

  TCustomTreeView* TreeView() const { return FTreeView; }
  // Every node, in the order a fully expanded tree shows them.
  int Count() const;
  TTreeNode* Item(int Index) const;  // null outside
  TTreeNode* GetFirstNode() const { return FRoot->Item(0); }
  int RootCount() const { return FRoot->Count(); }

  // A new last root (Sibling null) or a new last sibling of Sibling.
  TTreeNode* Add(TTreeNode* Sibling, const String& Text);
  // A new last (or first) child of Parent; a root when Parent is null.
  TTreeNode* AddChild(TTreeNode* Parent, const String& Text);
  TTreeNode* AddChildFirst(TTreeNode* Parent, const String& Text);
  // A new node just before Sibling.
  TTreeNode* Insert(TTreeNode* Sibling, const String& Text);
  void Delete(TTreeNode* Node);
  void Clear();

  void BeginUpdate();
  void EndUpdate();
  void Assign(TPersistent* Source) override;
  // Descriptions keep the tree as "Nodes": each text, followed by the list of its children if it has any.
  void DefineProperties(TFiler& Filer) override;

 private:
  friend class TTreeNode;
  friend class TCustomTreeView;
  TTreeNode* InsertNode(TTreeNode* Parent, int Index, const String& Text);
  void ReadNodes(TReader& Reader, TTreeNode* Parent);
  void WriteNodes(TWriter& Writer, const TTreeNode* Parent) const;

  TCustomTreeView* FTreeView;
  std::unique_ptr<TTreeNode> FRoot;  // invisible; its children are the roots
  int FUpdateCount = 0;
};

using TTVChangedEvent = TEvent<void(TObject* Sender, TTreeNode* Node)>;
using TTVChangingEvent = TEvent<void(TObject* Sender, TTreeNode* Node, bool& AllowChange)>;
using TTVExpandedEvent = TEvent<void(TObject* Sender, TTreeNode* Node)>;

class TCustomTreeView : public TWinControl {
  DECLARE_CLASS(TCustomTreeView, TWinControl)

 public:
  explicit TCustomTreeView(TComponent* AOwner);
  ~TCustomTreeView() override;
  static void Publish(TPublisher<TCustomTreeView>& P);

  TTreeNodes* Items() const { return FItems.get(); }
  void SetItems(TTreeNodes* Value) { FItems->Assign(Value); }
  TImageList* Images() const { return FImages; }
  void SetImages(TImageList* Value);
  bool ShowLines() const { return FShowLines; }
  void SetShowLines(bool Value);
  bool ShowRoot() const { return FShowRoot; }
  void SetShowRoot(bool Value);
  bool ShowButtons() const { return FShowButtons; }
  void SetShowButtons(bool Value);
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value);
  bool HideSelection() const { return FHideSelection; }
  void SetHideSelection(bool Value);
  int Indent() const { return FIndent; }
  void SetIndent(int Value);
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle Value);

  TTreeNode* Selected() const { return FSelected; }
  void SetSelected(TTreeNode* Value);
  void FullExpand();
  void FullCollapse();

  TTVChangingEvent OnChanging;
  TTVChangedEvent OnChange;
  TTVExpandedEvent OnExpanded;
  TTVExpandedEvent OnCollapsed;

  void Notification(TComponent* AComponent, TOperation Operation) override;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  void WndProc(TMessage& Message) override;

 private:
  friend class TTreeNode;
  friend class TTreeNodes;
  // The node a native item stands for, checked against the tree (a stale item gives null).
  TTreeNode* NodeOf(HTREEITEM Item) const;
  void NodeDeleted(TTreeNode* Node);

  std::unique_ptr<TTreeNodes> FItems;
  TImageList* FImages = nullptr;
  TTreeNode* FSelected = nullptr;
  bool FShowLines = true;
  bool FShowRoot = true;
  bool FShowButtons = true;
  bool FReadOnly = false;
  bool FHideSelection = true;
  int FIndent = 19;
  TBorderStyle FBorderStyle = bsSingle;
  bool FDeleting = false;  // nodes going away: the window's selection reports are not passed on
};

class TTreeView : public TCustomTreeView {
  DECLARE_CLASS(TTreeView, TCustomTreeView)

 public:
  explicit TTreeView(TComponent* AOwner) : TCustomTreeView(AOwner) {}
};
