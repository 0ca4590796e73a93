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
  std::int64_t pos = Seek(0, soCurrent);
  std::int64_t size = Seek(0, soEnd);
  Seek(pos, soBeginning);
  return size;
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
  const std::int64_t total = Count;
  std::vector<std::uint8_t> buffer(static_cast<std::size_t>(std::min<std::int64_t>(Count, 0xF000)));
  while (Count > 0) {
    auto n = std::min<std::int64_t>(Count, static_cast<std::int64_t>(buffer.size()));
    Source.ReadBuffer(buffer.data(), n);
    WriteBuffer(buffer.data(), n);
    Count -= n;
  }
  return total;
}

std::int32_t TStream::ReadInt32() {
  std::uint8_t b[4];
  ReadBuffer(b, 4);
  return static_cast<std::int32_t>(
      static_cast<std::uint32_t>(b[0]) | (static_cast<std::uint32_t>(b[1]) << 8) |
      (static_cast<std::uint32_t>(b[2]) << 16) | (static_cast<std::uint32_t>(b[3]) << 24));
}

void TStream::WriteInt32(std::int32_t Value) {
  auto v = static_cast<std::uint32_t>(Value);
  std::uint8_t b[4] = {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8),
                       static_cast<std::uint8_t>(v >> 16), static_cast<std::uint8_t>(v >> 24)};
  WriteBuffer(b, 4);
}

// ---- TMemoryStream

std::int64_t TMemoryStream::Read(void* Buffer, std::int64_t Count) {
  const std::int64_t size = Size();
  if (Count <= 0 || FPosition >= size) return 0;
  const std::int64_t n = std::min(Count, size - FPosition);
  std::memcpy(Buffer, FData.data() + FPosition, static_cast<std::size_t>(n));
  FPosition += n;
  return n;
}

std::int64_t TMemoryStream::Write(const void* Buffer, std::int64_t Count) {
  if (Count <= 0) return 0;
  if (Count > std::numeric_limits<std::int64_t>::max() - FPosition) return 0;
  const std::int64_t end = FPosition + Count;
  if (end > Size()) FData.resize(static_cast<std::size_t>(end));
  std::memcpy(FData.data() + FPosition, Buffer, static_cast<std::size_t>(Count));
  FPosition = end;
  return Count;
}

std::int64_t TMemoryStream::Seek(std::int64_t Offset, TSeekOrigin Origin) {
  std::int64_t base = Origin == soBeginning ? 0 : (Origin == soCurrent ? FPosition : Size());
  if (Offset < -base) throw EStreamError("Seek before the start of the stream");
  if (Offset > std::numeric_limits<std::int64_t>::max() - base)
    throw EStreamError("Seek past the stream's range");
  FPosition = base + Offset;
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
  const std::int64_t size = Stream.Size();
  std::vector<std::uint8_t> data(static_cast<std::size_t>(size));
  Stream.ReadBuffer(data.data(), size);
  FData = std::move(data);
  FPosition = 0;
}

void TMemoryStream::SaveToStream(TStream& Stream) {
  Stream.WriteBuffer(FData.data(), Size());
}

void TMemoryStream::LoadFromFile(const String& FileName) {
  TFileStream file(FileName, fmOpenRead | fmShareDenyWrite);
  LoadFromStream(file);
}

void TMemoryStream::SaveToFile(const String& FileName) {
  TFileStream file(FileName, fmCreate);
  SaveToStream(file);
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
  int fd;
  if (Mode == fmCreate) {
    fd = ::open(FileName.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) throw EFCreateError("Cannot create file \"" + FileName + "\"");
    // Lock before truncating so a reader holding the file never sees it emptied.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || ::ftruncate(fd, 0) != 0) {
      ::close(fd);
      throw EFCreateError("Cannot create file \"" + FileName + "\"");
    }
  } else {
    const std::uint32_t access = Mode & 3, share = Mode & 0xF0;
    if (access > 2 || share > fmShareDenyNone) throw EFOpenError("Cannot open file \"" + FileName + "\"");
    const int flags = access == fmOpenRead ? O_RDONLY : (access == fmOpenWrite ? O_WRONLY : O_RDWR);
    fd = ::open(FileName.c_str(), flags | O_CLOEXEC);
    if (fd < 0) throw EFOpenError("Cannot open file \"" + FileName + "\"");
    struct stat st;
    if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
      ::close(fd);
      throw EFOpenError("Cannot open file \"" + FileName + "\"");
    }
    // Advisory locks stand in for the share modes: every writer locks exclusively, so readers that
    // deny writing (shared lock) and writers exclude each other.
    int lock = 0;
    if (access != fmOpenRead || share == fmShareExclusive || share == fmShareDenyRead)
      lock = LOCK_EX;
    else if (share == fmShareDenyWrite)
      lock = LOCK_SH;
    if (lock && ::flock(fd, lock | LOCK_NB) != 0) {
      ::close(fd);
      throw EFOpenError("Cannot open file \"" + FileName + "\": it is in use");
    }
  }
  FHandle = fd;
}

TFileStream::~TFileStream() {
  ::close(static_cast<int>(FHandle));
}

std::int64_t TFileStream::Read(void* Buffer, std::int64_t Count) {
  std::int64_t total = 0;
  auto* p = static_cast<char*>(Buffer);
  while (Count > 0) {
    ssize_t got = ::read(static_cast<int>(FHandle), p + total,
                         static_cast<std::size_t>(std::min<std::int64_t>(Count, 1 << 30)));
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) break;
    total += got;
    Count -= got;
  }
  return total;
}

std::int64_t TFileStream::Write(const void* Buffer, std::int64_t Count) {
  std::int64_t total = 0;
  auto* p = static_cast<const char*>(Buffer);
  while (Count > 0) {
    ssize_t put = ::write(static_cast<int>(FHandle), p + total,
                          static_cast<std::size_t>(std::min<std::int64_t>(Count, 1 << 30)));
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) break;
    total += put;
    Count -= put;
  }
  return total;
}

std::int64_t TFileStream::Seek(std::int64_t Offset, TSeekOrigin Origin) {
  static const int kWhence[] = {SEEK_SET, SEEK_CUR, SEEK_END};
  off_t r = ::lseek(static_cast<int>(FHandle), static_cast<off_t>(Offset), kWhence[Origin]);
  if (r < 0) throw EStreamError("Seek error in file \"" + FFileName + "\"");
  return r;
}

void TFileStream::SetSize(std::int64_t NewSize) {
  if (NewSize < 0 || ::ftruncate(static_cast<int>(FHandle), static_cast<off_t>(NewSize)) != 0)
    throw EStreamError("Cannot resize \"" + FFileName + "\"");
  if (Position() > NewSize) Seek(NewSize, soBeginning);
}

#endif
