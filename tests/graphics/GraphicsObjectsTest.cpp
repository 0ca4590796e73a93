// Fonts, pens and brushes: change notification, handle ownership and published properties.
#include <gtest/gtest.h>

#include "tests/support/Bitmaps.h"

namespace {

class TListener : public TObject {
 public:
  void Changed(TObject* Sender) {
    ++Count;
    // The old handle must still exist while listeners hear about the change.
    if (Watched) HandleAliveDuringChange = GetObjectType(Watched) != 0;
  }
  int Count = 0;
  HGDIOBJ Watched = nullptr;
  bool HandleAliveDuringChange = false;
};

TEST(GraphicsObjects, FontRebuildsItsHandleAfterChangesAndDeletesTheOldOneAfterListeners) {
  TFont font;
  TListener listener;
  font.OnChange = TNotifyEvent::Bind<&TListener::Changed>(&listener);
  const HFONT first = font.Handle();
  ASSERT_EQ(GetObjectType(first), DWORD(OBJ_FONT));
  listener.Watched = first;
  font.SetStyle({fsBold});
  EXPECT_EQ(listener.Count, 1);
  EXPECT_TRUE(listener.HandleAliveDuringChange);
  EXPECT_EQ(GetObjectType(first), 0u) << "old font leaked";
  const HFONT second = font.Handle();
  LOGFONTW lf{};
  GetObjectW(second, sizeof(lf), &lf);
  EXPECT_EQ(lf.lfWeight, FW_BOLD);
  EXPECT_EQ(lf.lfHeight, -11);

  // The colour is drawn by the canvas: the font keeps its handle.
  font.SetColor(clRed);
  EXPECT_EQ(listener.Count, 2);
  EXPECT_EQ(font.Handle(), second);
  font.SetColor(clRed);  // no change, no notice
  EXPECT_EQ(listener.Count, 2);
}

TEST(GraphicsObjects, FontSizeAndHeightFollowPixelsPerInch) {
  TFont font;
  font.SetPixelsPerInch(96);
  font.SetSize(8);
  EXPECT_EQ(font.Height(), -11);
  font.SetHeight(-16);
  EXPECT_EQ(font.Size(), 12);
  font.SetPixelsPerInch(120);
  font.SetSize(9);
  EXPECT_EQ(font.Height(), -15);
}

TEST(GraphicsObjects, SetHandleTakesOwnershipAndReadsTheDescription) {
  LOGFONTW lf{};
  lf.lfHeight = -20;
  lf.lfItalic = TRUE;
  lf.lfCharSet = 134;
  wcscpy(lf.lfFaceName, L"Courier New");
  const HFONT given = CreateFontIndirectW(&lf);
  {
    TFont font;
    font.SetHandle(given);
    EXPECT_EQ(font.Name(), "Courier New");
    EXPECT_EQ(font.Height(), -20);
    EXPECT_EQ(font.Style(), TFontStyles{fsItalic});
    EXPECT_EQ(font.Charset(), 134);
    EXPECT_EQ(font.Handle(), given);
  }
  EXPECT_EQ(GetObjectType(given), 0u);
}

TEST(GraphicsObjects, AssignCopiesEveryAttribute) {
  TFont a, b;
  a.SetName("Arial");
  a.SetHeight(-13);
  a.SetStyle({fsUnderline, fsStrikeOut});
  a.SetColor(clBlue);
  a.SetCharset(SHIFTJIS_CHARSET);
  b.Assign(&a);
  EXPECT_EQ(b.Name(), "Arial");
  EXPECT_EQ(b.Height(), -13);
  EXPECT_EQ(b.Style(), (TFontStyles{fsUnderline, fsStrikeOut}));
  EXPECT_EQ(b.Color(), clBlue);
  EXPECT_EQ(b.Charset(), SHIFTJIS_CHARSET);

  TPen p, q;
  p.SetColor(clRed);
  p.SetWidth(3);
  p.SetStyle(psDash);
  p.SetMode(pmXor);
  q.Assign(&p);
  EXPECT_EQ(q.Color(), clRed);
  EXPECT_EQ(q.Width(), 3);
  EXPECT_EQ(q.Style(), psDash);
  EXPECT_EQ(q.Mode(), pmXor);

  TBrush r;
  EXPECT_THROW(r.Assign(&a), EConvertError);
}

TEST(GraphicsObjects, PublishedPropertiesSetThroughClassInformation) {
  TFont font;
  const TClassInfo& info = font.ClassType();
  for (const char* name : {"Name", "Height", "Size", "Style", "Color", "Charset"})
    ASSERT_NE(info.FindProp(name), nullptr) << name;
  info.FindProp("Height")->SetOrd(font, -11 - 5);
  EXPECT_EQ(font.Height(), -16);
  info.FindProp("Name")->SetStr(font, "Verdana");
  EXPECT_EQ(font.Name(), "Verdana");
  info.FindProp("Style")->SetOrd(font, 1 << fsBold | 1 << fsItalic);
  EXPECT_EQ(font.Style(), (TFontStyles{fsBold, fsItalic}));
  info.FindProp("Color")->SetOrd(font, clBtnText);
  EXPECT_EQ(font.Color(), clBtnText);
  EXPECT_FALSE(info.FindProp("Size")->IsStored);

  TBrush brush;
  brush.ClassType().FindProp("Style")->SetOrd(brush, bsClear);
  EXPECT_EQ(brush.Style(), bsClear);
  TPen pen;
  pen.ClassType().FindProp("Width")->SetOrd(pen, 4);
  EXPECT_EQ(pen.Width(), 4);
}

TEST(GraphicsObjects, BrushStylesMakeTheMatchingBrush) {
  TBrush brush;
  LOGBRUSH lb{};
  brush.SetColor(clLime);
  GetObjectW(brush.Handle(), sizeof(lb), &lb);
  EXPECT_EQ(lb.lbStyle, UINT(BS_SOLID));
  EXPECT_EQ(lb.lbColor, 0x00FF00u);
  brush.SetStyle(bsDiagCross);
  GetObjectW(brush.Handle(), sizeof(lb), &lb);
  EXPECT_EQ(lb.lbStyle, UINT(BS_HATCHED));
  EXPECT_EQ(lb.lbHatch, ULONG_PTR(HS_DIAGCROSS));
  brush.SetStyle(bsClear);
  GetObjectW(brush.Handle(), sizeof(lb), &lb);
  EXPECT_EQ(lb.lbStyle, UINT(BS_NULL));
  brush.SetColor(clRed);  // asking for a colour asks for paint
  EXPECT_EQ(brush.Style(), bsSolid);
}

}  // namespace
