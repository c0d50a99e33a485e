// Counted references to Visio objects, as COM hands them out.
#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>
#include <utility>

namespace visio {

// The two reference-counting members every Visio automation object has.
class IRefCounted {
public:
    virtual uint32_t AddRef() = 0;
    virtual uint32_t Release() = 0;

protected:
    virtual ~IRefCounted() = default;
};

// Holds one counted reference: a copy takes one, destruction gives it back.
template <class T>
class ComRef {
public:
    ComRef() = default;
    ComRef(std::nullptr_t) {}
    // Takes a new reference on p.
    explicit ComRef(T* p) : p_(p) {
        if (p_) p_->AddRef();
    }
    ComRef(const ComRef& o) : ComRef(o.p_) {}
    ComRef(ComRef&& o) noexcept : p_(o.p_) { o.p_ = nullptr; }
    template <class U, class = std::enable_if_t<std::is_convertible_v<U*, T*>>>
    ComRef(const ComRef<U>& o) : ComRef(static_cast<T*>(o.get())) {}
    ~ComRef() { reset(); }

    ComRef& operator=(ComRef o) noexcept {
        std::swap(p_, o.p_);
        return *this;
    }

    // Adopts a reference the caller already owns (no AddRef).
    static ComRef adopt(T* p) {
        ComRef r;
        r.p_ = p;
        return r;
    }

    void reset() {
        if (p_) {
            T* p = p_;
            p_ = nullptr;
            p->Release();
        }
    }
    T* get() const { return p_; }
    T* operator->() const { return p_; }
    T& operator*() const { return *p_; }
    explicit operator bool() const { return p_ != nullptr; }
    bool operator==(const ComRef& o) const { return p_ == o.p_; }
    bool operator!=(const ComRef& o) const { return p_ != o.p_; }

private:
    T* p_ = nullptr;
};

}  // namespace visio
