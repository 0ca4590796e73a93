#include "framework/core/Streams.h"

#include <algorithm>
#include <cstring>
#include <limits>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#endif

std::int64_t TStream::Size() {
  std::int64_t Pos = Seek(0, soCurrent);
  std::int64_t StreamSize = Seek(0, soEnd);
  Seek(Pos, soBeginning);
  return StreamSize;
}

void TStream::SetSize(std::int64_t) {
  throw EStreamError("Stream size cannot be changed");
}

void TStream::ReadBuffer(void* Buffer, std::int64_t Count) {
  if (Count < 0 || (Count > 0 && Read(Buffer, Count) != Count)) throw EReadError("Stream read error");
}

void TStream::WriteBuffer(const void* Buffer, std::int64_t Count) {
  if (Count < 0 || (Count > 0 && Write(Buffer, Count) != Count)) throw EWriteError("Stream write error");
}

std::int64_t TStream::CopyFrom(TStream& Source, std::int64_t Count) {
  if (Count == 0) {
    Source.SetPosition(0);
    Count = Source.Size();
  }
  if (Count < 0) throw EReadError("Stream read error");
  const std::int64_t Total = Count;
  std::vector<std::uint8_t> Buffer(static_cast<std::size_t>(std::min<std::int64_t>(Count, 0xF000)));
  while (Count > 0) {
    auto N = std::min<std::int64_t>(Count, static_cast<std::int64_t>(Buffer.size()));
    Source.ReadBuffer(Buffer.data(), N);
    WriteBuffer(Buffer.data(), N);
    Count -= N;
  }
  return Total;
}

std::int32_t TStream::ReadInt32() {
  std::uint8_t B[4];
  ReadBuffer(B, 4);
  return static_cast<std::int32_t>(
      static_cast<std::uint32_t>(B[0]) | (static_cast<std::uint32_t>(B[1]) << 8) |
      (static_cast<std::uint32_t>(B[2]) << 16) | (static_cast<std::uint32_t>(B[3]) << 24));
}

void TStream::WriteInt32(std::int32_t Value) {
  auto V = static_cast<std::uint32_t>(Value);
  std::uint8_t B[4] = {static_cast<std::uint8_t>(V), static_cast<std::uint8_t>(V >> 8),
                       static_cast<std::uint8_t>(V >> 16), static_cast<std::uint8_t>(V >> 24)};
  WriteBuffer(B, 4);
}

// ---- TMemoryStream

std::int64_t TMemoryStream::Read(void* Buffer, std::int64_t Count) {
  const std::int64_t StreamSize = Size();
  if (Count <= 0 || FPosition >= StreamSize) return 0;
  const std::int64_t N = std::min(Count, StreamSize - FPosition);
  std::memcpy(Buffer, FData.data() + FPosition, static_cast<std::size_t>(N));
  FPosition += N;
  return N;
}

std::int64_t TMemoryStream::Write(const void* Buffer, std::int64_t Count) {
  if (Count <= 0) return 0;
  if (Count > std::numeric_limits<std::int64_t>::max() - FPosition) return 0;
  const std::int64_t End = FPosition + Count;
  if (End > Size()) FData.resize(static_cast<std::size_t>(End));
  std::memcpy(FData.data() + FPosition, Buffer, static_cast<std::size_t>(Count));
  FPosition = End;
  return Count;
}

std::int64_t TMemoryStream::Seek(std::int64_t Offset, TSeekOrigin Origin) {
  std::int64_t Base = Origin == soBeginning ? 0 : (Origin == soCurrent ? FPosition : Size());
  if (Offset < -Base) throw EStreamError("Seek before the start of the stream");
  if (Offset > std::numeric_limits<std::int64_t>::max() - Base)
    throw EStreamError("Seek past the stream's range");
  FPosition = Base + Offset;
  return FPosition;
}

void TMemoryStream::SetSize(std::int64_t NewSize) {
  if (NewSize < 0) throw EStreamError("Invalid stream size");
  FData.resize(static_cast<std::size_t>(NewSize));
  if (FPosition > NewSize) FPosition = NewSize;
}

void TMemoryStream::Clear() {
  FData.clear();
  FData.shrink_to_fit();
  FPosition = 0;
}

void TMemoryStream::LoadFromStream(TStream& Stream) {
  Stream.SetPosition(0);
  const std::int64_t StreamSize = Stream.Size();
  std::vector<std::uint8_t> Data(static_cast<std::size_t>(StreamSize));
  Stream.ReadBuffer(Data.data(), StreamSize);
  FData = std::move(Data);
  FPosition = 0;
}

void TMemoryStream::SaveToStream(TStream& Stream) {
  Stream.WriteBuffer(FData.data(), Size());
}

void TMemoryStream::LoadFromFile(const String& FileName) {
  TFileStream File(FileName, fmOpenRead | fmShareDenyWrite);
  LoadFromStream(File);
}

void TMemoryStream::SaveToFile(const String& FileName) {
  TFileStream File(FileName, fmCreate);
  SaveToStream(File);
}

// ---- TFileStream

#ifdef _WIN32

TFileStream::TFileStream(const String& FileName, std::uint32_t Mode) : FFileName(FileName) {
  const std::wstring name = Utf8ToWString(FileName);
  HANDLE h;
  if (Mode == fmCreate) {
    h = CreateFileW(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) throw EFCreateError("Cannot create file \"" + FileName + "\"");
  } else {
    static const DWORD kAccess[] = {GENERIC_READ, GENERIC_WRITE, GENERIC_READ | GENERIC_WRITE};
    static const DWORD kShare[] = {0, 0, FILE_SHARE_READ, FILE_SHARE_WRITE,
                                   FILE_SHARE_READ | FILE_SHARE_WRITE};
    const std::uint32_t access = Mode & 3, share = (Mode & 0xF0) >> 4;
    if (access > 2 || share > 4) throw EFOpenError("Cannot open file \"" + FileName + "\": invalid mode");
    h = CreateFileW(name.c_str(), kAccess[access], kShare[share], nullptr, OPEN_EXISTING,
                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) throw EFOpenError("Cannot open file \"" + FileName + "\"");
  }
  FHandle = reinterpret_cast<std::intptr_t>(h);
}

TFileStream::~TFileStream() {
  CloseHandle(reinterpret_cast<HANDLE>(FHandle));
}

std::int64_t TFileStream::Read(void* Buffer, std::int64_t Count) {
  std::int64_t total = 0;
  auto* p = static_cast<char*>(Buffer);
  while (Count > 0) {
    DWORD got = 0;
    DWORD chunk = static_cast<DWORD>(std::min<std::int64_t>(Count, 1 << 30));
    if (!ReadFile(reinterpret_cast<HANDLE>(FHandle), p + total, chunk, &got, nullptr) || got == 0) break;
    total += got;
    Count -= got;
  }
  return total;
}

std::int64_t TFileStream::Write(const void* Buffer, std::int64_t Count) {
  std::int64_t total = 0;
  auto* p = static_cast<const char*>(Buffer);
  while (Count > 0) {
    DWORD put = 0;
    DWORD chunk = static_cast<DWORD>(std::min<std::int64_t>(Count, 1 << 30));
    if (!WriteFile(reinterpret_cast<HANDLE>(FHandle), p + total, chunk, &put, nullptr) || put == 0) break;
    total += put;
    Count -= put;
  }
  return total;
}

std::int64_t TFileStream::Seek(std::int64_t Offset, TSeekOrigin Origin) {
  static const DWORD kMethod[] = {FILE_BEGIN, FILE_CURRENT, FILE_END};
  LARGE_INTEGER distance, result;
  distance.QuadPart = Offset;
  if (!SetFilePointerEx(reinterpret_cast<HANDLE>(FHandle), distance, &result, kMethod[Origin]))
    throw EStreamError("Seek error in file \"" + FFileName + "\"");
  return result.QuadPart;
}

void TFileStream::SetSize(std::int64_t NewSize) {
  const std::int64_t pos = Position();
  Seek(NewSize, soBeginning);
  if (!SetEndOfFile(reinterpret_cast<HANDLE>(FHandle)))
    throw EStreamError("Cannot resize \"" + FFileName + "\"");
  Seek(std::min(pos, NewSize), soBeginning);
}

#else

TFileStream::TFileStream(const String& FileName, std::uint32_t Mode) : FFileName(FileName) {
  int Fd;
  if (Mode == fmCreate) {
    Fd = ::open(FileName.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (Fd < 0) throw EFCreateError("Cannot create file \"" + FileName + "\"");
    // Lock before truncating so a reader holding the file never sees it emptied.
    if (::flock(Fd, LOCK_EX | LOCK_NB) != 0 || ::ftruncate(Fd, 0) != 0) {
      ::close(Fd);
      throw EFCreateError("Cannot create file \"" + FileName + "\"");
    }
  } else {
    const std::uint32_t Access = Mode & 3, Share = Mode & 0xF0;
    if (Access > 2 || Share > fmShareDenyNone) throw EFOpenError("Cannot open file \"" + FileName + "\"");
    const int Flags = Access == fmOpenRead ? O_RDONLY : (Access == fmOpenWrite ? O_WRONLY : O_RDWR);
    Fd = ::open(FileName.c_str(), Flags | O_CLOEXEC);
    if (Fd < 0) throw EFOpenError("Cannot open file \"" + FileName + "\"");
    struct stat St;
    if (::fstat(Fd, &St) != 0 || S_ISDIR(St.st_mode)) {
      ::close(Fd);
      throw EFOpenError("Cannot open file \"" + FileName + "\"");
    }
    // Advisory locks stand in for the share modes: every writer locks exclusively, so readers that
    // deny writing (shared lock) and writers exclude each other.
    int LockKind = 0;
    if (Access != fmOpenRead || Share == fmShareExclusive || Share == fmShareDenyRead)
      LockKind = LOCK_EX;
    else if (Share == fmShareDenyWrite)
      LockKind = LOCK_SH;
    if (LockKind && ::flock(Fd, LockKind | LOCK_NB) != 0) {
      ::close(Fd);
      throw EFOpenError("Cannot open file \"" + FileName + "\": it is in use");
    }
  }
  FHandle = Fd;
}

TFileStream::~TFileStream() {
  ::close(static_cast<int>(FHandle));
}

std::int64_t TFileStream::Read(void* Buffer, std::int64_t Count) {
  std::int64_t Total = 0;
  auto* P = static_cast<char*>(Buffer);
  while (Count > 0) {
    ssize_t Got = ::read(static_cast<int>(FHandle), P + Total,
                         static_cast<std::size_t>(std::min<std::int64_t>(Count, 1 << 30)));
    if (Got < 0 && errno == EINTR) continue;
    if (Got <= 0) break;
    Total += Got;
    Count -= Got;
  }
  return Total;
}

std::int64_t TFileStream::Write(const void* Buffer, std::int64_t Count) {
  std::int64_t Total = 0;
  auto* P = static_cast<const char*>(Buffer);
  while (Count > 0) {
    ssize_t Put = ::write(static_cast<int>(FHandle), P + Total,
                          static_cast<std::size_t>(std::min<std::int64_t>(Count, 1 << 30)));
    if (Put < 0 && errno == EINTR) continue;
    if (Put <= 0) break;
    Total += Put;
    Count -= Put;
  }
  return Total;
}

std::int64_t TFileStream::Seek(std::int64_t Offset, TSeekOrigin Origin) {
  static const int kWhence[] = {SEEK_SET, SEEK_CUR, SEEK_END};
  off_t R = ::lseek(static_cast<int>(FHandle), static_cast<off_t>(Offset), kWhence[Origin]);
  if (R < 0) throw EStreamError("Seek error in file \"" + FFileName + "\"");
  return R;
}

void TFileStream::SetSize(std::int64_t NewSize) {
  if (NewSize < 0 || ::ftruncate(static_cast<int>(FHandle), static_cast<off_t>(NewSize)) != 0)
    throw EStreamError("Cannot resize \"" + FFileName + "\"");
  if (Position() > NewSize) Seek(NewSize, soBeginning);
}

#endif
