#include "tests/support/Handles.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "framework/win/graphics/GdiHandles.h"
#include "tests/support/Pump.h"

namespace testsupport {

namespace {

// Wine's GetGuiResources answers 0. Its GDI keeps every live object in a handle table that the
// process environment block points to (GdiSharedHandleTable), one 24-byte entry per handle with a
// non-zero type while the object lives: count those instead.
struct TWineGdiEntry {
  std::uint64_t Object;
  std::uint32_t Owner;
  std::uint16_t Unique;
  std::uint8_t Type;
  std::uint8_t Flags;
  std::uint64_t UserPointer;
};
static_assert(sizeof(TWineGdiEntry) == 24);
constexpr std::size_t kWineGdiHandles = 0x10000;

const TWineGdiEntry* WineGdiTable() {
  const HMODULE Ntdll = GetModuleHandleW(L"ntdll.dll");
  if (!GetProcAddress(Ntdll, "wine_get_version")) return nullptr;
  // PROCESS_BASIC_INFORMATION: exit status, then the address of the process environment block.
  struct {
    LONG_PTR ExitStatus;
    const std::uint8_t* PebBaseAddress;
    ULONG_PTR Rest[4];
  } Info{};
  using TQuery = LONG(WINAPI*)(HANDLE, int, void*, ULONG, ULONG*);
  const auto Query =
      reinterpret_cast<TQuery>(reinterpret_cast<void*>(GetProcAddress(Ntdll, "NtQueryInformationProcess")));
  if (!Query || Query(GetCurrentProcess(), 0, &Info, sizeof(Info), nullptr) != 0 || !Info.PebBaseAddress)
    return nullptr;
  const std::size_t TableField = sizeof(void*) == 8 ? 0xF8 : 0x94;
  return *reinterpret_cast<const TWineGdiEntry* const*>(Info.PebBaseAddress + TableField);
}

BOOL CALLBACK CountWindow(HWND Wnd, LPARAM Counter) {
  ++*reinterpret_cast<DWORD*>(Counter);
  EnumChildWindows(Wnd, &CountWindow, Counter);
  return TRUE;
}

}  // namespace

DWORD GdiObjects() {
  if (const DWORD Counted = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)) return Counted;
  const TWineGdiEntry* Table = WineGdiTable();
  if (!Table) return 0;
  DWORD Live = 0;
  for (std::size_t I = 0; I < kWineGdiHandles; ++I) Live += Table[I].Type != 0;
  return Live;
}

DWORD UserObjects() {
  if (const DWORD Counted = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS)) return Counted;
  DWORD Count = 0;
  EnumThreadWindows(GetCurrentThreadId(), &CountWindow, reinterpret_cast<LPARAM>(&Count));
  return Count;
}

::testing::AssertionResult LeavesNoHandles(const std::function<void()>& Life, int Cycles) {
  Life();
  const DWORD Gdi = GdiObjects();
  const DWORD User = UserObjects();
  for (int I = 0; I < Cycles; ++I) Life();
  const DWORD GdiAfter = GdiObjects();
  const DWORD UserAfter = UserObjects();
  if (GdiAfter == Gdi && UserAfter == User) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << Cycles << " runs took GDI objects from " << Gdi << " to " << GdiAfter << " and USER objects from "
         << User << " to " << UserAfter;
}

TObjectCounts SettledObjectCounts(const std::function<void()>& PumpOnce) {
  // Still for a stretch of time, not for a number of rounds: rounds end early when messages arrive,
  // and a timer a few hundred milliseconds out can still free objects after many quick rounds.
  constexpr DWORD kStillFor = 500;
  constexpr DWORD kLimit = 10000;
  const DWORD Start = GetTickCount();
  TObjectCounts Last{GdiObjects(), UserObjects()};
  DWORD LastChange = Start;
  while (GetTickCount() - LastChange < kStillFor && GetTickCount() - Start < kLimit) {
    if (PumpOnce)
      PumpOnce();
    else
      Pump(0);
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    const TObjectCounts Now{GdiObjects(), UserObjects()};
    if (!(Now == Last)) LastChange = GetTickCount();
    Last = Now;
  }
  return Last;
}

COLORREF WindowPixel(HWND Wnd, int X, int Y) {
  TWholeWindowDC DC(Wnd);
  return GetPixel(DC.Get(), X, Y);
}

bool NearColor(COLORREF A, COLORREF B, int Tolerance) {
  return std::abs(GetRValue(A) - GetRValue(B)) <= Tolerance &&
         std::abs(GetGValue(A) - GetGValue(B)) <= Tolerance &&
         std::abs(GetBValue(A) - GetBValue(B)) <= Tolerance;
}

int CountNearColor(HWND Wnd, const RECT& R, COLORREF Color, int Tolerance) {
  TWholeWindowDC DC(Wnd);
  int Count = 0;
  for (int Y = R.top; Y < R.bottom; ++Y)
    for (int X = R.left; X < R.right; ++X)
      if (NearColor(GetPixel(DC.Get(), X, Y), Color, Tolerance)) ++Count;
  return Count;
}

}  // namespace testsupport
