// Events are method pointers: an object plus the code to run on it. Two events are equal when both
// parts are; an unassigned event does nothing when called.
//
//   TNotifyEvent OnClick;
//   OnClick = TNotifyEvent::Bind<&TForm1::btn4Click>(this);
//   OnClick(this);                       // runs Form1->btn4Click(this), or nothing when unassigned
#pragma once

#include <type_traits>
#include <typeinfo>
#include <utility>

class TObject;

// Identity of a handler. Each bound member function has exactly one such record for the whole
// program, so comparing pointers compares handlers.
struct TMethodCode {
  const std::type_info* Signature;  // the function type, e.g. void(TObject*)
};

// The untyped form that published-property access and form descriptions deal in.
struct TMethod {
  const TMethodCode* Code = nullptr;
  TObject* Data = nullptr;
  bool Assigned() const { return Code != nullptr; }
  friend bool operator==(const TMethod&, const TMethod&) = default;
};

namespace events_detail {
template <class M>
struct MemberTraits;
template <class C, class F>
struct MemberTraits<F C::*> {
  using Class = C;
};
template <class F>
struct StripQualifiers;
template <class R, class... A>
struct StripQualifiers<R(A...)> {
  using type = R(A...);
};
template <class R, class... A>
struct StripQualifiers<R(A...) const> {
  using type = R(A...);
};
template <class R, class... A>
struct StripQualifiers<R(A...) noexcept> {
  using type = R(A...);
};
template <class R, class... A>
struct StripQualifiers<R(A...) const noexcept> {
  using type = R(A...);
};
template <class M>
struct SignatureOf;
template <class C, class F>
struct SignatureOf<F C::*> {
  using type = typename StripQualifiers<F>::type;
};
[[noreturn]] void ThrowSignatureMismatch();
}  // namespace events_detail

template <class Sig>
class TEvent;

template <class R, class... A>
class TEvent<R(A...)> {
 public:
  struct TCode : TMethodCode {
    R (*Invoke)(TObject* Self, A... Args);
  };

  TEvent() = default;

  // The code record of member function M (of a class derived from TObject).
  template <auto M>
  static const TCode& CodeOf() {
    return Thunk<M>::Code;
  }

  template <auto M, class C>
  static TEvent Bind(C* Self) {
    static_assert(std::is_base_of_v<typename events_detail::MemberTraits<decltype(M)>::Class, C>);
    return TEvent(&Thunk<M>::Code,
                  static_cast<typename events_detail::MemberTraits<decltype(M)>::Class*>(Self));
  }

  // Raises EPropertyError when the method's signature is not this event's.
  static TEvent FromMethod(const TMethod& M) {
    if (!M.Code) return TEvent();
    if (*M.Code->Signature != typeid(R(A...))) events_detail::ThrowSignatureMismatch();
    return TEvent(static_cast<const TCode*>(M.Code), M.Data);
  }

  TMethod Method() const { return TMethod{FCode, FData}; }
  bool Assigned() const { return FCode != nullptr; }
  explicit operator bool() const { return Assigned(); }
  TObject* Data() const { return FData; }
  void Clear() { *this = TEvent(); }

  R operator()(A... Args) const {
    if (FCode) return FCode->Invoke(FData, std::forward<A>(Args)...);
    if constexpr (!std::is_void_v<R>) return R{};
  }

  friend bool operator==(const TEvent&, const TEvent&) = default;

 private:
  TEvent(const TCode* Code, TObject* Data) : FCode(Code), FData(Data) {}

  template <auto M>
  struct Thunk {
    using C = typename events_detail::MemberTraits<decltype(M)>::Class;
    static R Invoke(TObject* Self, A... Args) {
      return (static_cast<C*>(Self)->*M)(std::forward<A>(Args)...);
    }
    static inline const TCode Code{{&typeid(R(A...))}, &Invoke};
  };

  const TCode* FCode = nullptr;
  TObject* FData = nullptr;
};

using TNotifyEvent = TEvent<void(TObject* Sender)>;
