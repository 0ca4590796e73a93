#include "tests/graphics/GraphicsTestUtil.h"

#include "framework/bmp/BmpPixels.h"

namespace gfxtest {

TColor PixelAt(TBitmap& Bitmap, int X, int Y) {
  const bmp::Image format = [&] {
    bmp::Image image = Bitmap.ToImage();
    image.pixels.clear();
    return image;
  }();
  const auto* row = static_cast<const uint8_t*>(Bitmap.ScanLine(Y));
  const bmp::Rgb c = bmp::ReadPixel(row, X, format.bitCount, format.masks, format.palette);
  return RGB(bmp::RedOf(c), bmp::GreenOf(c), bmp::BlueOf(c));
}

void Fill(TBitmap& Bitmap, TColor Color) {
  Bitmap.Canvas()->Brush()->SetColor(Color);
  Bitmap.Canvas()->FillRect(RECT{0, 0, Bitmap.Width(), Bitmap.Height()});
}

namespace {

// Wine's GetGuiResources answers 0. Its GDI keeps every live object in a handle table that the
// process environment block points to (GdiSharedHandleTable), one 24-byte entry per handle with a
// non-zero type while the object lives: count those instead.
struct TWineGdiEntry {
  uint64_t Object;
  uint32_t Owner;
  uint16_t Unique;
  uint8_t Type;
  uint8_t Flags;
  uint64_t UserPointer;
};
static_assert(sizeof(TWineGdiEntry) == 24);
constexpr size_t kWineGdiHandles = 0x10000;

const TWineGdiEntry* WineGdiTable() {
  const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  if (!GetProcAddress(ntdll, "wine_get_version")) return nullptr;
  // PROCESS_BASIC_INFORMATION: exit status, then the address of the process environment block.
  struct {
    LONG_PTR ExitStatus;
    const uint8_t* PebBaseAddress;
    ULONG_PTR Rest[4];
  } info{};
  using TQuery = LONG(WINAPI*)(HANDLE, int, void*, ULONG, ULONG*);
  const auto query =
      reinterpret_cast<TQuery>(reinterpret_cast<void*>(GetProcAddress(ntdll, "NtQueryInformationProcess")));
  if (!query || query(GetCurrentProcess(), 0, &info, sizeof(info), nullptr) != 0 || !info.PebBaseAddress)
    return nullptr;
  const size_t tableField = sizeof(void*) == 8 ? 0xF8 : 0x94;
  return *reinterpret_cast<const TWineGdiEntry* const*>(info.PebBaseAddress + tableField);
}

}  // namespace

DWORD GdiObjects() {
  const DWORD counted = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  if (counted) return counted;
  const TWineGdiEntry* table = WineGdiTable();
  if (!table) return 0;
  DWORD live = 0;
  for (size_t i = 0; i < kWineGdiHandles; ++i) live += table[i].Type != 0;
  return live;
}

}  // namespace gfxtest
