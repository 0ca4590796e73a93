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
  TFont Font;
  TListener Listener;
  Font.OnChange = TNotifyEvent::Bind<&TListener::Changed>(&Listener);
  const HFONT First = Font.Handle();
  ASSERT_EQ(GetObjectType(First), DWORD(OBJ_FONT));
  Listener.Watched = First;
  Font.SetStyle({fsBold});
  EXPECT_EQ(Listener.Count, 1);
  EXPECT_TRUE(Listener.HandleAliveDuringChange);
  EXPECT_EQ(GetObjectType(First), 0u) << "old font leaked";
  const HFONT Second = Font.Handle();
  LOGFONTW Lf{};
  GetObjectW(Second, sizeof(Lf), &Lf);
  EXPECT_EQ(Lf.lfWeight, FW_BOLD);
  EXPECT_EQ(Lf.lfHeight, -11);

  // The colour is drawn by the canvas: the font keeps its handle.
  Font.SetColor(clRed);
  EXPECT_EQ(Listener.Count, 2);
  EXPECT_EQ(Font.Handle(), Second);
  Font.SetColor(clRed);  // no change, no notice
  EXPECT_EQ(Listener.Count, 2);
}

TEST(GraphicsObjects, FontSizeAndHeightFollowPixelsPerInch) {
  TFont Font;
  Font.SetPixelsPerInch(96);
  Font.SetSize(8);
  EXPECT_EQ(Font.Height(), -11);
  Font.SetHeight(-16);
  EXPECT_EQ(Font.Size(), 12);
  Font.SetPixelsPerInch(120);
  Font.SetSize(9);
  EXPECT_EQ(Font.Height(), -15);
}

TEST(GraphicsObjects, SetHandleTakesOwnershipAndReadsTheDescription) {
  LOGFONTW Lf{};
  Lf.lfHeight = -20;
  Lf.lfItalic = TRUE;
  Lf.lfCharSet = 134;
  wcscpy(Lf.lfFaceName, L"Courier New");
  const HFONT Given = CreateFontIndirectW(&Lf);
  {
    TFont Font;
    Font.SetHandle(Given);
    EXPECT_EQ(Font.Name(), "Courier New");
    EXPECT_EQ(Font.Height(), -20);
    EXPECT_EQ(Font.Style(), TFontStyles{fsItalic});
    EXPECT_EQ(Font.Charset(), 134);
    EXPECT_EQ(Font.Handle(), Given);
  }
  EXPECT_EQ(GetObjectType(Given), 0u);
}

TEST(GraphicsObjects, AssignCopiesEveryAttribute) {
  TFont A, B;
  A.SetName("Arial");
  A.SetHeight(-13);
  A.SetStyle({fsUnderline, fsStrikeOut});
  A.SetColor(clBlue);
  A.SetCharset(SHIFTJIS_CHARSET);
  B.Assign(&A);
  EXPECT_EQ(B.Name(), "Arial");
  EXPECT_EQ(B.Height(), -13);
  EXPECT_EQ(B.Style(), (TFontStyles{fsUnderline, fsStrikeOut}));
  EXPECT_EQ(B.Color(), clBlue);
  EXPECT_EQ(B.Charset(), SHIFTJIS_CHARSET);

  TPen P, Q;
  P.SetColor(clRed);
  P.SetWidth(3);
  P.SetStyle(psDash);
  P.SetMode(pmXor);
  Q.Assign(&P);
  EXPECT_EQ(Q.Color(), clRed);
  EXPECT_EQ(Q.Width(), 3);
  EXPECT_EQ(Q.Style(), psDash);
  EXPECT_EQ(Q.Mode(), pmXor);

  TBrush R;
  EXPECT_THROW(R.Assign(&A), EConvertError);
}

TEST(GraphicsObjects, PublishedPropertiesSetThroughClassInformation) {
  TFont Font;
  const TClassInfo& Info = Font.ClassType();
  for (const char* Name : {"Name", "Height", "Size", "Style", "Color", "Charset"})
    ASSERT_NE(Info.FindProp(Name), nullptr) << Name;
  Info.FindProp("Height")->SetOrd(Font, -11 - 5);
  EXPECT_EQ(Font.Height(), -16);
  Info.FindProp("Name")->SetStr(Font, "Verdana");
  EXPECT_EQ(Font.Name(), "Verdana");
  Info.FindProp("Style")->SetOrd(Font, 1 << fsBold | 1 << fsItalic);
  EXPECT_EQ(Font.Style(), (TFontStyles{fsBold, fsItalic}));
  Info.FindProp("Color")->SetOrd(Font, clBtnText);
  EXPECT_EQ(Font.Color(), clBtnText);
  EXPECT_FALSE(Info.FindProp("Size")->IsStored);

  TBrush Brush;
  Brush.ClassType().FindProp("Style")->SetOrd(Brush, bsClear);
  EXPECT_EQ(Brush.Style(), bsClear);
  TPen Pen;
  Pen.ClassType().FindProp("Width")->SetOrd(Pen, 4);
  EXPECT_EQ(Pen.Width(), 4);
}

TEST(GraphicsObjects, BrushStylesMakeTheMatchingBrush) {
  TBrush Brush;
  LOGBRUSH Lb{};
  Brush.SetColor(clLime);
  GetObjectW(Brush.Handle(), sizeof(Lb), &Lb);
  EXPECT_EQ(Lb.lbStyle, UINT(BS_SOLID));
  EXPECT_EQ(Lb.lbColor, 0x00FF00u);
  Brush.SetStyle(bsDiagCross);
  GetObjectW(Brush.Handle(), sizeof(Lb), &Lb);
  EXPECT_EQ(Lb.lbStyle, UINT(BS_HATCHED));
  EXPECT_EQ(Lb.lbHatch, ULONG_PTR(HS_DIAGCROSS));
  Brush.SetStyle(bsClear);
  GetObjectW(Brush.Handle(), sizeof(Lb), &Lb);
  EXPECT_EQ(Lb.lbStyle, UINT(BS_NULL));
  Brush.SetColor(clRed);  // asking for a colour asks for paint
  EXPECT_EQ(Brush.Style(), bsSolid);
}

}  // namespace
