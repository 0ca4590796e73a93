// MDI forms: the MDI client window, children created inside it, the active child, and the default
// frame and child processing (maximising, closing).
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "framework/win/app/Application.h"
#include "framework/win/forms/Forms.h"
#include "framework/win/menus/Menus.h"

namespace {

std::wstring ClassOf(HWND Wnd) {
  wchar_t Name[64] = {};
  GetClassNameW(Wnd, Name, 64);
  return Name;
}

TForm* NewChild(TComponent* Owner, const char* Caption) {
  auto* Child = new TForm(Owner);
  Child->SetFormStyle(fsMDIChild);
  Child->SetCaption(Caption);
  Child->SetBounds(0, 0, 200, 120);
  Child->HandleNeeded();
  return Child;
}

TEST(MDIForm, ChildrenLiveInTheClientAndTheActiveOneIsKnown) {
  auto Parent = std::make_unique<TForm>(nullptr);
  Parent->SetFormStyle(fsMDIForm);
  Parent->SetBounds(20, 20, 500, 400);
  auto* WindowMenu = new TMenuItem(Parent.get());
  WindowMenu->SetCaption("&Window");
  auto* Menu = new TMainMenu(Parent.get());
  Menu->Items()->Add(WindowMenu);
  Parent->SetMenu(Menu);
  Parent->SetWindowMenu(WindowMenu);
  Parent->Show();
  HWND Client = Parent->ClientHandle();
  ASSERT_NE(Client, nullptr);
  EXPECT_EQ(lstrcmpiW(ClassOf(Client).c_str(), L"MDICLIENT"), 0);  // the system spells it its own way
  EXPECT_EQ(GetParent(Client), Parent->Handle());
  EXPECT_EQ(Parent->MDIChildCount(), 0);
  EXPECT_EQ(Parent->ActiveMDIChild(), nullptr);

  // The frame's default processing keeps the client over the whole client area.
  RECT Area, ClientRect;
  GetClientRect(Parent->Handle(), &Area);
  GetWindowRect(Client, &ClientRect);
  EXPECT_EQ(ClientRect.right - ClientRect.left, Area.right);

  TForm* A = NewChild(Parent.get(), "a");
  TForm* B = NewChild(Parent.get(), "b");
  EXPECT_EQ(GetParent(A->Handle()), Client);
  EXPECT_TRUE(GetWindowLongPtrW(A->Handle(), GWL_EXSTYLE) & WS_EX_MDICHILD);
  EXPECT_TRUE(IsWindowVisible(B->Handle()));
  EXPECT_EQ(Parent->MDIChildCount(), 2);
  EXPECT_EQ(Parent->ActiveMDIChild(), B);
  EXPECT_EQ(Parent->MDIChildren(0), B);
  EXPECT_EQ(Parent->MDIChildren(1), A);
  EXPECT_EQ(Parent->MDIChildren(2), nullptr);
  EXPECT_EQ(Parent->MDIChildren(-1), nullptr);

  // The window list lists the children in the window menu.
  EXPECT_GE(GetMenuItemCount(WindowMenu->Handle()), 2);

  Parent->Next();
  EXPECT_EQ(Parent->ActiveMDIChild(), A);

  // The child's default processing maximises inside the client.
  SendMessageW(Client, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(A->Handle()), 0);
  EXPECT_TRUE(IsZoomed(A->Handle()));
  SendMessageW(Client, WM_MDIRESTORE, reinterpret_cast<WPARAM>(A->Handle()), 0);
  EXPECT_FALSE(IsZoomed(A->Handle()));

  // Closing an MDI child minimises it; freeing it takes it out of the list.
  A->Close();
  EXPECT_TRUE(IsIconic(A->Handle()));
  delete A;
  EXPECT_EQ(Parent->MDIChildCount(), 1);
  EXPECT_EQ(Parent->ActiveMDIChild(), B);
  EXPECT_THROW(B->SetFormStyle(fsNormal), std::logic_error);  // not while the window exists
}

TEST(MDIForm, AChildNeedsAnMDIForm) {
  auto Child = std::make_unique<TForm>(nullptr);
  Child->SetFormStyle(fsMDIChild);
  EXPECT_THROW(Child->HandleNeeded(), std::logic_error);
  EXPECT_FALSE(Child->HandleAllocated());
  auto Plain = std::make_unique<TForm>(nullptr);
  Plain->HandleNeeded();
  EXPECT_EQ(Plain->ClientHandle(), nullptr);
  EXPECT_EQ(Plain->MDIChildCount(), 0);
  EXPECT_EQ(Plain->ActiveMDIChild(), nullptr);
}

}  // namespace
