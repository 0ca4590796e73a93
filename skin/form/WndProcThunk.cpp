#include "skin/form/WndProcThunk.h"

#include <cstdint>
#include <cstring>
#include <mutex>
#include <vector>

namespace {

// Thunks are carved from executable pages in fixed slots; a freed slot is reused, pages are kept
// (a process skins a handful of windows, so the pool stays small).
constexpr std::size_t kSlotSize = 32;

class TThunkPool {
 public:
  std::uint8_t* Take() {
    std::lock_guard<std::mutex> Lock(FMutex);
    if (FFree.empty() && !Grow()) return nullptr;
    std::uint8_t* Slot = FFree.back();
    FFree.pop_back();
    return Slot;
  }
  void Give(std::uint8_t* Slot) {
    std::lock_guard<std::mutex> Lock(FMutex);
    std::memset(Slot, 0xCC, kSlotSize);  // a stale call traps instead of running the old binding
    FFree.push_back(Slot);
  }

 private:
  bool Grow() {
    SYSTEM_INFO Info;
    GetSystemInfo(&Info);
    const std::size_t Size = Info.dwPageSize;
    auto* Page = static_cast<std::uint8_t*>(
        VirtualAlloc(nullptr, Size, MEM_COMMIT | MEM_RESERVE, PAGE_EXECUTE_READWRITE));
    if (!Page) return false;
    for (std::size_t Offset = 0; Offset + kSlotSize <= Size; Offset += kSlotSize)
      FFree.push_back(Page + Offset);
    return true;
  }

  std::mutex FMutex;
  std::vector<std::uint8_t*> FFree;
};

TThunkPool& Pool() {
  static TThunkPool* P = new TThunkPool;  // never destroyed: windows may outlive static destruction
  return *P;
}

template <class T>
std::uint8_t* Put(std::uint8_t* At, T Value) {
  std::memcpy(At, &Value, sizeof Value);
  return At + sizeof Value;
}

}  // namespace

TWndProcThunk::TWndProcThunk(void* Self, WNDPROC Target) {
  FProc = reinterpret_cast<WNDPROC>(Pool().Take());
  if (FProc) Bind(Self, Target);
}

void TWndProcThunk::Bind(void* Self, WNDPROC Target) {
  auto* Code = reinterpret_cast<std::uint8_t*>(FProc);
  std::uint8_t* P = Code;
#if defined(_M_X64) || defined(__x86_64__)
  // mov rcx, Self ; mov rax, Target ; jmp rax  (the handle arrives in rcx)
  P = Put<std::uint16_t>(P, 0xB948);
  P = Put<std::uint64_t>(P, reinterpret_cast<std::uintptr_t>(Self));
  P = Put<std::uint16_t>(P, 0xB848);
  P = Put<std::uint64_t>(P, reinterpret_cast<std::uintptr_t>(Target));
  P = Put<std::uint16_t>(P, 0xE0FF);
#elif defined(_M_IX86) || defined(__i386__)
  // mov dword [esp+4], Self ; mov eax, Target ; jmp eax  (stdcall: the handle is the first stack slot)
  P = Put<std::uint32_t>(P, 0x042444C7);
  P = Put<std::uint32_t>(P, reinterpret_cast<std::uintptr_t>(Self));
  P = Put<std::uint8_t>(P, 0xB8);
  P = Put<std::uint32_t>(P, reinterpret_cast<std::uintptr_t>(Target));
  P = Put<std::uint16_t>(P, 0xE0FF);
#else
#error "window procedure thunks are written for x86 and x86-64"
#endif
  FlushInstructionCache(GetCurrentProcess(), Code, static_cast<SIZE_T>(P - Code));
}

namespace {

struct TForwardTo {
  HWND Wnd;
  WNDPROC Old;
  bool Unicode;
};

LRESULT CALLBACK ForwardProc(HWND Self, UINT Msg, WPARAM WParam, LPARAM LParam) {
  const auto* To = reinterpret_cast<const TForwardTo*>(Self);
  return To->Unicode ? CallWindowProcW(To->Old, To->Wnd, Msg, WParam, LParam)
                     : CallWindowProcA(To->Old, To->Wnd, Msg, WParam, LParam);
}

}  // namespace

void TWndProcThunk::Orphan(std::unique_ptr<TWndProcThunk> Thunk, HWND Wnd, WNDPROC Old, bool Unicode) {
  if (!Thunk || !Thunk->FProc) return;
  // Both the forwarding record and the code stay for the rest of the process: the other subclasser
  // may call them at any time.
  auto* To = new TForwardTo{Wnd, Old, Unicode};
  Thunk->Bind(To, &ForwardProc);
  Thunk->FProc = nullptr;
}

void TWndProcThunk::GiveBack(std::unique_ptr<TWndProcThunk>& Thunk, HWND Wnd, WNDPROC Old, bool Unicode) {
  if (!Thunk) return;
  if (!Old) Old = Unicode ? &DefWindowProcW : &DefWindowProcA;
  if (Thunk->FProc && Wnd && IsWindow(Wnd)) {
    const auto Ours = reinterpret_cast<LONG_PTR>(Thunk->FProc);
    const LONG_PTR Current =
        Unicode ? GetWindowLongPtrW(Wnd, GWLP_WNDPROC) : GetWindowLongPtrA(Wnd, GWLP_WNDPROC);
    if (Current == Ours) {
      if (Unicode)
        SetWindowLongPtrW(Wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Old));
      else
        SetWindowLongPtrA(Wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Old));
    } else {
      Orphan(std::move(Thunk), Wnd, Old, Unicode);
    }
  }
  Thunk.reset();
}

TWndProcThunk::~TWndProcThunk() {
  if (FProc) Pool().Give(reinterpret_cast<std::uint8_t*>(FProc));
}
