#pragma once

#include "engine/Object.h"

#include <cassert>
#include <type_traits>

// The intrusive reference-counting pointer to an Object. A handle holds one reference or nothing;
// copies raise the object's count, releases lower it, and the release that brings it below 1 deletes
// the object. Handles of different static types to one object share its single count.
template <typename T>
class Handle
{
public:
    Handle() = default;
    // Takes a reference to the object, if any; a handle may be made from `this` at any time.
    Handle(T* object);
    Handle(const Handle& other);
    Handle(Handle&& other) noexcept;
    // Converts along the class tree: Handle<Widget> to Handle<EventListener>, anything to Handle<Object>.
    template <typename U, typename = std::enable_if_t<std::is_convertible_v<U*, T*>>>
    Handle(const Handle<U>& other);
    ~Handle();

    // The new object gains its reference before the old one is released, so assigning a handle the
    // object it already holds never frees it.
    Handle& operator=(const Handle& other);
    Handle& operator=(Handle&& other) noexcept;
    Handle& operator=(T* object);

    // The held object; the handle must not be empty.
    T* operator->() const;
    T& operator*() const;
    // The raw pointer, or null.
    T* get() const;
    // True when the handle holds an object.
    explicit operator bool() const;

private:
    static void acquire(T* object);
    static void release(T* object);

    T* pointer = nullptr;
};

// Two handles are equal when they refer to the same object, whatever their static types.
template <typename A, typename B>
bool operator==(const Handle<A>& a, const Handle<B>& b)
{
    return static_cast<const Object*>(a.get()) == static_cast<const Object*>(b.get());
}

template <typename A, typename B>
bool operator!=(const Handle<A>& a, const Handle<B>& b)
{
    return !(a == b);
}

template <typename T>
Handle<T>::Handle(T* object) : pointer(object)
{
    acquire(pointer);
}

template <typename T>
Handle<T>::Handle(const Handle& other) : pointer(other.pointer)
{
    acquire(pointer);
}

template <typename T>
Handle<T>::Handle(Handle&& other) noexcept : pointer(other.pointer)
{
    other.pointer = nullptr;
}

template <typename T>
template <typename U, typename>
Handle<T>::Handle(const Handle<U>& other) : pointer(other.get())
{
    acquire(pointer);
}

template <typename T>
Handle<T>::~Handle()
{
    release(pointer);
}

template <typename T>
Handle<T>& Handle<T>::operator=(const Handle& other)
{
    return *this = other.pointer;
}

template <typename T>
Handle<T>& Handle<T>::operator=(Handle&& other) noexcept
{
    if (this != &other)
    {
        T* old = pointer;
        pointer = other.pointer;
        other.pointer = nullptr;
        release(old);
    }
    return *this;
}

template <typename T>
Handle<T>& Handle<T>::operator=(T* object)
{
    acquire(object);
    T* old = pointer;
    pointer = object;
    release(old);
    return *this;
}

template <typename T>
T* Handle<T>::operator->() const
{
    assert(pointer && "dereferencing an empty handle");
    return pointer;
}

template <typename T>
T& Handle<T>::operator*() const
{
    assert(pointer && "dereferencing an empty handle");
    return *pointer;
}

template <typename T>
T* Handle<T>::get() const
{
    return pointer;
}

template <typename T>
Handle<T>::operator bool() const
{
    return pointer != nullptr;
}

template <typename T>
void Handle<T>::acquire(T* object)
{
    if (object)
        ++static_cast<ReferenceCounter*>(object)->refCount;
}

template <typename T>
void Handle<T>::release(T* object)
{
    if (!object)
        return;
    ReferenceCounter* counter = object;
    if (--counter->refCount < 1)
        delete counter;
}
