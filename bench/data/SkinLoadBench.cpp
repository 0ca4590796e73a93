// The default skin's load from its SkinStream bytes, whole and by stage, and the full paint of the
// skinned utility window after a load. Run under Wine (scripts/bench does):
//   build/<tree>/wine-run build/<tree>/bench/data/bench_skin_load.exe [--batches N --iterations N]
// The stages are timed one by one on the same archive: unpack (the codec), archive (the container's
// file table), skin description (the INI text), bitmap decoding (every image of the archive), and
// the rest of the load (element records, built elements, brushes and fonts) as what the whole
// load takes beyond them.

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

#include "app/MainForm.h"
#include "bench/support/BenchHarness.h"
#include "bench/support/BenchPump.h"
#include "bench/support/BenchSkins.h"
#include "framework/core/Streams.h"
#include "framework/win/app/Application.h"
#include "framework/win/graphics/Graphics.h"
#include "skin/data/SkinData.h"
#include "skin/form/RuzIzivForm.h"
#include "skin/manager/SkinManage.h"
#include "skin/package/LzhStreams.h"
#include "skin/package/QuickIni.h"
#include "skin/package/SkinReader.h"

namespace {

using bench::Pump;
using bench::PumpUntil;

void FullPaint(HWND Wnd) {
  RedrawWindow(Wnd, nullptr, nullptr,
               RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  GdiFlush();
}

}  // namespace

int main(int argc, char** argv) {
  const bench::TRunSize Size = bench::RunSize(argc, argv, 9, 25);  // 225 loads by default
  const std::vector<std::uint8_t> Stored = bench::SkinArchive("default");

  TSkinData Data(nullptr);
  Data.FSkinStream->WriteBuffer(Stored.data(), static_cast<std::int64_t>(Stored.size()));
  if (!Data.LoadSkin()) {
    std::fprintf(stderr, "the default skin did not load\n");
    return 1;
  }
  const bench::TTiming Load = bench::Time(Size.Batches, Size.Iterations, [&] { Data.LoadSkin(); });

  // A load into a component that holds no skin yet, as at start-up (nothing to free first).
  std::vector<double> FirstLoads;
  for (int I = 0; I < Size.Batches * 3; ++I) {
    auto Fresh = std::make_unique<TSkinData>(nullptr);
    Fresh->FSkinStream->WriteBuffer(Stored.data(), static_cast<std::int64_t>(Stored.size()));
    FirstLoads.push_back(bench::TimeOnce([&] { Fresh->LoadSkin(); }));
  }
  std::sort(FirstLoads.begin(), FirstLoads.end());

  // The stages on their own.
  TMemoryStream Source, Container;
  Source.WriteBuffer(Stored.data(), static_cast<std::int64_t>(Stored.size()));
  const bench::TTiming Unpack = bench::Time(Size.Batches, Size.Iterations, [&] {
    Container.Clear();
    LzhDecompress(Source, Container);
  });
  TSkinReader Reader;
  const bench::TTiming Archive = bench::Time(
      Size.Batches, Size.Iterations, [&] { Reader.LoadContainer(Container.Memory(), Container.Size()); });
  TMemoryStream IniText;
  String IniName;
  Reader.readIni(".ini", IniText, IniName);
  const bench::TTiming Description = bench::Time(Size.Batches, Size.Iterations, [&] {
    TQuickIni Ini;
    IniText.SetPosition(0);
    Ini.LoadFromStream(&IniText);
  });
  std::vector<std::unique_ptr<TMemoryStream>> Images;
  for (int I = 0; I < Reader.FileCount(); ++I) {
    const String Name = Reader.Names().Get(I);
    if (Name.size() < 4 || Name.compare(Name.size() - 4, 4, ".bmp") != 0) continue;
    Images.push_back(std::make_unique<TMemoryStream>());
    Reader.ReadByIndex(I, *Images.back());
  }
  const bench::TTiming Bitmaps = bench::Time(Size.Batches, Size.Iterations, [&] {
    for (const auto& Image : Images) {
      TBitmap Bitmap;
      Image->SetPosition(0);
      Bitmap.LoadFromStream(*Image);
    }
  });
  const double Rest = Load.Median - Unpack.Median - Archive.Median - Description.Median - Bitmaps.Median;

  std::printf("default skin: %lld stored bytes, %lld archive bytes, %zu images\n",
              static_cast<long long>(Stored.size()), static_cast<long long>(Container.Size()), Images.size());
  bench::Row("skin load, default skin (median)", Load.Median, "target", 1000, "<= 1 ms");
  bench::Row("skin load into a new component (median)", FirstLoads[FirstLoads.size() / 2], "target", 1000,
             "<= 1 ms");
  bench::Row("  stage: unpack", Unpack.Median, "", 0, "");
  bench::Row("  stage: archive", Archive.Median, "", 0, "");
  bench::Row("  stage: skin description", Description.Median, "", 0, "");
  bench::Row("  stage: bitmap decoding", Bitmaps.Median, "", 0, "");
  bench::Row("  stage: elements, brushes, fonts (rest)", Rest, "", 0, "");

  // The skinned utility window: its first full repaint once it is skinned (after the load that
  // its description made and the skinning's own paint), against the repaints after it, so that
  // nothing the load left undone hides in the first ones.
  RegisterGradientClasses();
  TForm1* Form = CreateFormFromResource<TForm1>(nullptr);
  Form->Show();
  SetForegroundWindow(Form->Handle());
  const bool Skinned = PumpUntil(
      [&] {
        TSkinManage* Manager = SkinManage();
        TRuzIzivForm* Skin = Manager ? Manager->FindSkinForm(Form->Handle()) : nullptr;
        return Skin && Skin->FActivated;
      },
      5000);
  if (!Skinned) {
    std::fprintf(stderr, "the utility window was not skinned\n");
    return 1;
  }
  const double First = bench::TimeOnce([&] { FullPaint(Form->Handle()); });
  const bench::TTiming Next = bench::Time(Size.Batches, 5, [&] { FullPaint(Form->Handle()); });
  bench::Row("first full repaint of the skinned utility window", First, "later paints", Next.Median,
             "no cost moved into it");
  delete Form;
  return 0;
}
