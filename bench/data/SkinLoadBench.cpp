// The default skin's load from its SkinStream bytes, whole and by stage, and the full paint of the
// skinned utility window after a load. Run under Wine (scripts/bench does):
//   build/<tree>/wine-run build/<tree>/bench/data/bench_skin_load.exe [--batches N --iterations N]
// The stages are timed one by one on the same archive: unpack (the codec), archive (the container's
// file table), skin description (the INI text), bitmap decoding (every image of the archive loaded
// again over the bitmaps of the last load, as a reload takes over their sections; then into new
// bitmaps, one new bitmap alone, and the decoding alone), and the rest of the load (element records,
// built elements, brushes and fonts) as what the whole load takes beyond them; then the steps after
// the description one by one, each with the bitmaps it makes. Besides each median, the fastest batch:
// on a busy machine it is the better guide to what the code itself costs, and the rest is taken
// from the fastest batches.

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "app/MainForm.h"
#include "bench/support/BenchHarness.h"
#include "bench/support/BenchPump.h"
#include "bench/support/BenchSkins.h"
#include "framework/core/Streams.h"
#include "framework/win/app/Application.h"
#include "framework/win/graphics/Graphics.h"
#include "framework/win/graphics/SectionReuse.h"
#include "skin/data/SkinData.h"
#include "skin/form/RuzIzivForm.h"
#include "skin/manager/SkinManage.h"
#include "skin/package/LzhStreams.h"
#include "skin/package/QuickIni.h"
#include "skin/package/SkinReader.h"

namespace {

using bench::Pump;
using bench::PumpUntil;

// The steps of a load after the skin description, each repeated on its own in a component that
// holds a loaded model (so that each also frees what it replaces, as a reload does, and hands the
// sections of the pictures it replaces to the new ones as a load does). A step that changes what it
// builds from is timed together with the steps that read its sources.
struct TStep {
  std::string Name;
  bench::TTiming Timing;
};

std::vector<TStep> LoadSteps(TSkinData& Data, const bench::TRunSize& Size) {
  std::vector<TStep> Steps;
  // Inside a load, its archive and description still open: the load's own list of steps, so that
  // what is timed is what a load runs.
  Data.LoadSkin([&] {
    const std::span<const TSkinData::TLoadStep> LoadList = TSkinData::LoadSteps();
    for (std::size_t I = 0; I < LoadList.size(); ++I) {
      const TSkinData::TLoadStep& Step = LoadList[I];
      const std::size_t First = Step.RepeatFrom >= 0 ? static_cast<std::size_t>(Step.RepeatFrom) : I;
      std::string Name = Step.Name;
      if (First < I) Name += " (with the steps from " + std::string(LoadList[First].Name) + ")";
      Steps.push_back(TStep{Name, bench::Time(Size.Batches, Size.Iterations, [&] {
                              TSectionReuse Sections;
                              for (std::size_t K = First; K <= I; ++K) LoadList[K].Run(Data);
                            })});
    }
  });
  return Steps;
}

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
  // Every picture loaded again over the bitmaps of the last load, as a reload does: each takes
  // the section of the picture of its shape.
  std::vector<TBitmap> Kept(Images.size());
  const bench::TTiming Bitmaps = bench::Time(Size.Batches, Size.Iterations, [&] {
    TSectionReuse Sections;
    for (std::size_t I = 0; I < Images.size(); ++I) {
      Images[I]->SetPosition(0);
      Kept[I].LoadFromStream(*Images[I]);
    }
  });
  // Every picture into a new bitmap, its section made and freed: a load with nothing to take over.
  const bench::TTiming NewBitmaps = bench::Time(Size.Batches, Size.Iterations, [&] {
    for (const auto& Image : Images) {
      TBitmap Bitmap;
      Image->SetPosition(0);
      Bitmap.LoadFromStream(*Image);
    }
  });
  // Decoding alone, without the bitmaps the pictures become.
  const bench::TTiming Decoding = bench::Time(Size.Batches, Size.Iterations, [&] {
    for (const auto& Image : Images) {
      const bmp::Image Picture =
          TBitmap::DecodeImage(Image->Memory(), static_cast<std::size_t>(Image->Size()));
      if (Picture.width < 0) std::abort();
    }
  });
  // What one picture's bitmap costs on its own (a caption button's 104 x 20 at 24 bits): the
  // section made, its pixels written, the section freed. A load makes one for every picture.
  bmp::Image OnePicture;
  OnePicture.Allocate(104, 20, 24);
  const bench::TTiming OneBitmap = bench::Time(Size.Batches, Size.Iterations, [&] {
    TBitmap Bitmap;
    Bitmap.FromImage(OnePicture);
  });
  // From the fastest batches: medians taken at different moments of a busy machine do not subtract.
  const double Rest = Load.Fastest - Unpack.Fastest - Archive.Fastest - Description.Fastest - Bitmaps.Fastest;
  const std::vector<TStep> Steps = LoadSteps(Data, Size);

  std::printf("default skin: %lld stored bytes, %lld archive bytes, %zu images\n",
              static_cast<long long>(Stored.size()), static_cast<long long>(Container.Size()), Images.size());
  bench::Row("skin load, default skin (median)", Load.Median, "target", 1000, "<= 1 ms");
  bench::Row("skin load, default skin (fastest batch)", Load.Fastest, "", 0, "");
  bench::Row("skin load into a new component (median)", FirstLoads[FirstLoads.size() / 2], "target", 1000,
             "<= 1 ms");
  bench::Row("  stage: unpack", Unpack.Median, "fastest batch", Unpack.Fastest, "");
  bench::Row("  stage: archive", Archive.Median, "fastest batch", Archive.Fastest, "");
  bench::Row("  stage: skin description", Description.Median, "fastest batch", Description.Fastest, "");
  bench::Row("  stage: bitmap decoding (over the last load's)", Bitmaps.Median, "fastest batch",
             Bitmaps.Fastest, "");
  bench::Row("    into new bitmaps", NewBitmaps.Median, "fastest batch", NewBitmaps.Fastest, "");
  bench::Row("    one picture's bitmap (made, written, freed)", OneBitmap.Median, "fastest batch",
             OneBitmap.Fastest, "");
  bench::Row("    of which decoding alone", Decoding.Median, "fastest batch", Decoding.Fastest, "");
  bench::Row("  stage: elements, brushes, fonts (rest, fastest batches)", Rest, "", 0, "");
  for (const TStep& Step : Steps)
    bench::Row("    step: " + Step.Name, Step.Timing.Median, "fastest batch", Step.Timing.Fastest, "");

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
