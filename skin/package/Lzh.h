#pragma once
// LZHUF codec: an LZSS coder over a 4096-byte ring with binary search trees for matching, whose
// literals and match lengths are coded with an adaptive Huffman code and whose match positions
// carry a fixed prefix code for their upper six bits. The coded stream has no header; callers put
// the uncompressed length in front of it (see LzhStreams.h).

#include <cstdint>
#include <functional>
#include <memory>

#include "framework/core/Object.h"
#include "skin/package/LzhException.h"
#include "skin/package/LzhModel.h"

class TStream;

// Byte source and sink of the codec; it always asks for or hands over one byte at a time.
using TReadProc = std::function<void(void* DTA, uint16_t NBytes, uint16_t& BytesGot)>;
using TWriteProc = std::function<void(void* DTA, uint16_t NBytes, uint16_t& BytesPut)>;

class TLZH : public TObject {
  DECLARE_CLASS(TLZH, TObject)

 public:
  // Format constants: changing any of them makes existing streams unreadable.
  static constexpr int N = 4096;                      // ring buffer size
  static constexpr int F = 60;                        // look-ahead size, longest match
  static constexpr int THRESHOLD = 2;                 // shorter matches are sent as literals
  static constexpr int NIL = N;                       // no node in the search trees
  static constexpr int N_CHAR = 256 - THRESHOLD + F;  // 314 symbols: bytes, then lengths 3..60
  static constexpr int T = N_CHAR * 2 - 1;            // 627 Huffman tree nodes
  static constexpr int R = T - 1;                     // root node
  static constexpr unsigned MAX_FREQ = 0x8000;        // rebuild the tree at this root weight
  static constexpr int RING_FILL = N - F;             // prefilled spaces; writing starts here

  TLZH();
  ~TLZH() override;

  // Not owned; set by the caller before packing or unpacking with the stream callbacks.
  TStream* InStream = nullptr;
  TStream* OutStream = nullptr;

  // Codes everything ReadProc delivers; Bytes_Written receives the number of input bytes consumed.
  void LZHPack(int32_t& BytesWritten, const TReadProc& ReadProc, const TWriteProc& WriteProc);
  // Decodes until TextSize bytes have been written (a final match may overshoot on bad input).
  void LZHUnpack(int32_t TextSize, const TReadProc& ReadProc, const TWriteProc& WriteProc);

  // The callback pair over InStream and OutStream.
  void GetBlockStream(void* DTA, uint16_t NBytes, uint16_t& BytesGot);
  void PutBlockStream(void* DTA, uint16_t NBytes, uint16_t& BytesPut);
  TReadProc StreamReader() {
    return [this](void* D, uint16_t NBytes, uint16_t& Got) { GetBlockStream(D, NBytes, Got); };
  }
  TWriteProc StreamWriter() {
    return [this](void* D, uint16_t NBytes, uint16_t& Put) { PutBlockStream(D, NBytes, Put); };
  }

  void InitLZH();
  void EndLZH();

 protected:
  // Dictionary trees (packer only).
  void InitTree();
  void InsertNode(int16_t R);
  void DeleteNode(int16_t P);

  // Adaptive Huffman tree.
  void StartHuff();
  void reconst();
  void update(int C);

  // Bit input and output.
  int GetBit(const TReadProc& ReadProc);
  int GetByte(const TReadProc& ReadProc);
  void Putcode(int L, uint16_t C, const TWriteProc& WriteProc);

  void EncodeChar(unsigned C, const TWriteProc& WriteProc);
  void EncodePosition(unsigned C, const TWriteProc& WriteProc);
  void EncodeEnd(const TWriteProc& WriteProc);
  int DecodeChar(const TReadProc& ReadProc);
  int DecodePosition(const TReadProc& ReadProc);

  uint16_t getbuf = 0;  // input bits, taken from the top
  uint8_t getlen = 0;
  uint8_t putlen = 0;
  uint16_t putbuf = 0;  // output bits, filled from the top
  int32_t textsize = 0;
  int16_t match_position = 0;
  int16_t match_length = 0;

  // Work tables, present only while LZHPack or LZHUnpack runs.
  std::unique_ptr<uint8_t[]> text_buf;  // N + F - 1 (+ slack): the first F - 1 bytes mirrored behind N - 1
  std::unique_ptr<int16_t[]> lson;      // N + 1
  std::unique_ptr<int16_t[]> dad;       // N + 1
  std::unique_ptr<int16_t[]> rson;      // N + 257: entries N + 1 .. N + 256 are the tree roots
  std::unique_ptr<uint16_t[]> freq;     // T + 1: entry T is a sentinel
  std::unique_ptr<int16_t[]> prnt;      // T + N_CHAR + 1: entries T.. give each symbol's leaf
  std::unique_ptr<int16_t[]> son;       // T: first child; >= T marks a leaf
  std::unique_ptr<int16_t[]> run_end;   // kRunEndSlots: hints for the tree update

 private:
  lzh::THuffView HuffView() const { return {freq.get(), prnt.get(), son.get(), run_end.get()}; }
  lzh::TTreeView TreeView() const { return {text_buf.get(), lson.get(), dad.get(), rson.get()}; }
  void WriteByte(uint8_t B, const TWriteProc& WriteProc);
  bool ReadByte(uint8_t& B, const TReadProc& ReadProc);
};
