// Byte streams: the abstract TStream, growable memory and files.
#pragma once

#include <cstdint>
#include <vector>

#include "framework/core/Object.h"

enum TSeekOrigin { soBeginning, soCurrent, soEnd };

class TStream : public TObject {
  DECLARE_CLASS(TStream, TObject)

 public:
  // Read and Write move as many bytes as they can and return that count (0 at the end).
  virtual std::int64_t Read(void* Buffer, std::int64_t Count) = 0;
  virtual std::int64_t Write(const void* Buffer, std::int64_t Count) = 0;
  // Returns the new position; seeking before the start raises EStreamError.
  virtual std::int64_t Seek(std::int64_t Offset, TSeekOrigin Origin) = 0;

  std::int64_t Position() { return Seek(0, soCurrent); }
  void SetPosition(std::int64_t Value) { Seek(Value, soBeginning); }
  virtual std::int64_t Size();
  virtual void SetSize(std::int64_t NewSize);

  // All or nothing: EReadError "Stream read error" / EWriteError "Stream write error" otherwise.
  void ReadBuffer(void* Buffer, std::int64_t Count);
  void WriteBuffer(const void* Buffer, std::int64_t Count);
  // Copies Count bytes from Source's position; Count 0 copies the whole of Source from its start.
  std::int64_t CopyFrom(TStream& Source, std::int64_t Count);

  // Little-endian 32-bit integers, as the persisted formats store them.
  std::int32_t ReadInt32();
  void WriteInt32(std::int32_t Value);
};

// A stream in memory. Position may pass the end; writing there fills the gap with zeros.
class TMemoryStream : public TStream {
  DECLARE_CLASS(TMemoryStream, TStream)

 public:
  TMemoryStream() = default;

  std::int64_t Read(void* Buffer, std::int64_t Count) override;
  std::int64_t Write(const void* Buffer, std::int64_t Count) override;
  std::int64_t Seek(std::int64_t Offset, TSeekOrigin Origin) override;
  std::int64_t Size() override { return static_cast<std::int64_t>(FData.size()); }
  void SetSize(std::int64_t NewSize) override;  // keeps the position unless it would pass the end

  // Null for an empty stream.
  std::uint8_t* Memory() { return FData.empty() ? nullptr : FData.data(); }
  const std::uint8_t* Memory() const { return FData.empty() ? nullptr : FData.data(); }
  const std::vector<std::uint8_t>& Bytes() const { return FData; }
  void Clear();

  // Replaces the contents by the whole of Stream (from its start) and rewinds.
  void LoadFromStream(TStream& Stream);
  void SaveToStream(TStream& Stream);  // writes all bytes at Stream's position
  void LoadFromFile(const String& FileName);
  void SaveToFile(const String& FileName);

 private:
  std::vector<std::uint8_t> FData;
  std::int64_t FPosition = 0;
};

// File open modes: one access mode or'ed with one share mode, or fmCreate.
enum : std::uint32_t {
  fmOpenRead = 0x0000,
  fmOpenWrite = 0x0001,
  fmOpenReadWrite = 0x0002,
  fmShareCompat = 0x0000,
  fmShareExclusive = 0x0010,
  fmShareDenyWrite = 0x0020,
  fmShareDenyRead = 0x0030,
  fmShareDenyNone = 0x0040,
  fmCreate = 0xFF00,
};

// A file opened with the framework's share rules: fmShareDenyWrite shuts out writers (an exclusive
// lock on POSIX, the share mode on Windows). fmCreate creates or truncates, opened exclusively.
// Opening fails with EFOpenError "Cannot open file "name"..." or EFCreateError.
class TFileStream : public TStream {
  DECLARE_CLASS(TFileStream, TStream)

 public:
  TFileStream(const String& FileName, std::uint32_t Mode);
  ~TFileStream() override;

  std::int64_t Read(void* Buffer, std::int64_t Count) override;
  std::int64_t Write(const void* Buffer, std::int64_t Count) override;
  std::int64_t Seek(std::int64_t Offset, TSeekOrigin Origin) override;
  void SetSize(std::int64_t NewSize) override;
  const String& FileName() const { return FFileName; }

 private:
  String FFileName;
  std::intptr_t FHandle;  // HANDLE on Windows, file descriptor elsewhere
};
