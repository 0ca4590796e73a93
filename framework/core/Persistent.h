// TPersistent: objects that can be assigned to one another and stored in form descriptions.
#pragma once

#include <functional>

#include "framework/core/Object.h"

class TStream;
class TReader;
class TWriter;

// What DefineProperties talks to: a reader or a writer of a form description. A custom property is
// read only when the description has it, and written only when HasData is true.
class TFiler {
 public:
  using TReaderProc = std::function<void(TReader&)>;
  using TWriterProc = std::function<void(TWriter&)>;
  using TStreamProc = std::function<void(TStream&)>;

  virtual ~TFiler() = default;
  // A value in description syntax (numbers, names, strings, lists) read and written by the procs.
  virtual void DefineProperty(const String& Name, const TReaderProc& ReadData, const TWriterProc& WriteData,
                              bool HasData) = 0;
  // Raw bytes, stored as hex; ReadData gets a stream holding exactly the property's bytes.
  virtual void DefineBinaryProperty(const String& Name, const TStreamProc& ReadData,
                                    const TStreamProc& WriteData, bool HasData) = 0;
};

// The value side of a reader, for DefineProperty's ReadData.
class TReader : public TFiler {
 public:
  virtual std::int64_t ReadInteger() = 0;
  virtual bool ReadBoolean() = 0;
  virtual String ReadIdent() = 0;
  virtual String ReadString() = 0;  // any string value, as UTF-8
  virtual WideString ReadWideString() = 0;
  virtual void ReadListBegin() = 0;  // "("
  virtual bool NextIsList() = 0;     // the next value of the list being read is a list itself
  virtual bool EndOfList() = 0;
  virtual void ReadListEnd() = 0;  // ")"
};

// The value side of a writer, for DefineProperty's WriteData.
class TWriter : public TFiler {
 public:
  virtual void WriteInteger(std::int64_t Value) = 0;
  virtual void WriteBoolean(bool Value) = 0;
  virtual void WriteIdent(const String& Ident) = 0;
  virtual void WriteString(const String& Value) = 0;
  virtual void WriteWideString(const WideString& Value) = 0;
  virtual void WriteListBegin() = 0;
  virtual void WriteListEnd() = 0;
};

class TPersistent : public TObject {
  DECLARE_CLASS(TPersistent, TObject)

 public:
  // Copies Source into this object. The default asks Source (AssignTo); when neither side knows
  // the other, EAssignError "Cannot assign a TSource to a TDest" ("nil" for no source).
  virtual void Assign(TPersistent* Source);
  // Declares the properties that are not published ones (binary data, lists); call inherited first.
  virtual void DefineProperties(TFiler& Filer) {}
  // The object this one belongs to (a collection's owner, an item's collection), or none.
  virtual TPersistent* GetOwner() const { return nullptr; }

 protected:
  virtual void AssignTo(TPersistent* Dest);
  [[noreturn]] void AssignError(TPersistent* Source);
};
