// MDI forms: the MDI client window, children created inside it, the active child, and the default
// frame and child processing (maximising, closing).
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "framework/win/app/Application.h"
#include "framework/win/forms/Forms.h"
#include "framework/win/menus/Menus.h"

namespace {

std::wstring ClassOf(HWND wnd) {
  wchar_t name[64] = {};
  GetClassNameW(wnd, name, 64);
  return name;
}

TForm* NewChild(TComponent* owner, const char* caption) {
  auto* child = new TForm(owner);
  child->SetFormStyle(fsMDIChild);
  child->SetCaption(caption);
  child->SetBounds(0, 0, 200, 120);
  child->HandleNeeded();
  return child;
}

TEST(MDIForm, ChildrenLiveInTheClientAndTheActiveOneIsKnown) {
  auto parent = std::make_unique<TForm>(nullptr);
  parent->SetFormStyle(fsMDIForm);
  parent->SetBounds(20, 20, 500, 400);
  auto* windowMenu = new TMenuItem(parent.get());
  windowMenu->SetCaption("&Window");
  auto* menu = new TMainMenu(parent.get());
  menu->Items()->Add(windowMenu);
  parent->SetMenu(menu);
  parent->SetWindowMenu(windowMenu);
  parent->Show();
  HWND client = parent->ClientHandle();
  ASSERT_NE(client, nullptr);
  EXPECT_EQ(lstrcmpiW(ClassOf(client).c_str(), L"MDICLIENT"), 0);  // the system spells it its own way
  EXPECT_EQ(GetParent(client), parent->Handle());
  EXPECT_EQ(parent->MDIChildCount(), 0);
  EXPECT_EQ(parent->ActiveMDIChild(), nullptr);

  // The frame's default processing keeps the client over the whole client area.
  RECT area, clientRect;
  GetClientRect(parent->Handle(), &area);
  GetWindowRect(client, &clientRect);
  EXPECT_EQ(clientRect.right - clientRect.left, area.right);

  TForm* a = NewChild(parent.get(), "a");
  TForm* b = NewChild(parent.get(), "b");
  EXPECT_EQ(GetParent(a->Handle()), client);
  EXPECT_TRUE(GetWindowLongPtrW(a->Handle(), GWL_EXSTYLE) & WS_EX_MDICHILD);
  EXPECT_TRUE(IsWindowVisible(b->Handle()));
  EXPECT_EQ(parent->MDIChildCount(), 2);
  EXPECT_EQ(parent->ActiveMDIChild(), b);
  EXPECT_EQ(parent->MDIChildren(0), b);
  EXPECT_EQ(parent->MDIChildren(1), a);
  EXPECT_EQ(parent->MDIChildren(2), nullptr);
  EXPECT_EQ(parent->MDIChildren(-1), nullptr);

  // The window list lists the children in the window menu.
  EXPECT_GE(GetMenuItemCount(windowMenu->Handle()), 2);

  parent->Next();
  EXPECT_EQ(parent->ActiveMDIChild(), a);

  // The child's default processing maximises inside the client.
  SendMessageW(client, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(a->Handle()), 0);
  EXPECT_TRUE(IsZoomed(a->Handle()));
  SendMessageW(client, WM_MDIRESTORE, reinterpret_cast<WPARAM>(a->Handle()), 0);
  EXPECT_FALSE(IsZoomed(a->Handle()));

  // Closing an MDI child minimises it; freeing it takes it out of the list.
  a->Close();
  EXPECT_TRUE(IsIconic(a->Handle()));
  delete a;
  EXPECT_EQ(parent->MDIChildCount(), 1);
  EXPECT_EQ(parent->ActiveMDIChild(), b);
  EXPECT_THROW(b->SetFormStyle(fsNormal), std::logic_error);  // not while the window exists
}

TEST(MDIForm, AChildNeedsAnMDIForm) {
  auto child = std::make_unique<TForm>(nullptr);
  child->SetFormStyle(fsMDIChild);
  EXPECT_THROW(child->HandleNeeded(), std::logic_error);
  EXPECT_FALSE(child->HandleAllocated());
  auto plain = std::make_unique<TForm>(nullptr);
  plain->HandleNeeded();
  EXPECT_EQ(plain->ClientHandle(), nullptr);
  EXPECT_EQ(plain->MDIChildCount(), 0);
  EXPECT_EQ(plain->ActiveMDIChild(), nullptr);
}

}  // namespace
