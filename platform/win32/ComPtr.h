#pragma once
// Owners of what COM calls hand out: an interface reference, a BSTR, a VARIANT.
// Each lets go of it on every way out of the code that holds it.

#include <windows.h>
#include <oleauto.h>

#include <string_view>
#include <utility>

namespace q9x {

template <class Interface>
class ComPtr {
 public:
  ComPtr() = default;
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;
  ComPtr(ComPtr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
  ComPtr& operator=(ComPtr&& other) noexcept
  {
    if (this != &other) {
      reset();
      p_ = std::exchange(other.p_, nullptr);
    }
    return *this;
  }
  ~ComPtr() { reset(); }

  void reset()
  {
    if (p_) std::exchange(p_, nullptr)->Release();
  }
  // For a call that hands out a new reference.
  Interface** put()
  {
    reset();
    return &p_;
  }
  Interface* get() const { return p_; }
  Interface* operator->() const { return p_; }
  explicit operator bool() const { return p_ != nullptr; }

 private:
  Interface* p_ = nullptr;
};

class Bstr {
 public:
  Bstr() = default;
  explicit Bstr(std::wstring_view text)
      : b_(::SysAllocStringLen(text.data(), static_cast<UINT>(text.size())))
  {
  }
  Bstr(const Bstr&) = delete;
  Bstr& operator=(const Bstr&) = delete;
  ~Bstr() { ::SysFreeString(b_); }
  BSTR get() const { return b_; }
  BSTR* put()
  {
    ::SysFreeString(b_);
    b_ = nullptr;
    return &b_;
  }

 private:
  BSTR b_ = nullptr;
};

class Variant {
 public:
  Variant() { ::VariantInit(&v_); }
  Variant(const Variant&) = delete;
  Variant& operator=(const Variant&) = delete;
  ~Variant() { ::VariantClear(&v_); }
  const VARIANT& get() const { return v_; }
  // Empties it for a call that fills it.
  VARIANT* put()
  {
    ::VariantClear(&v_);
    return &v_;
  }

 private:
  VARIANT v_;
};

}  // namespace q9x
