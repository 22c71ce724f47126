#pragma once

// The count of handles that hold an object, kept inside the object itself so that a handle can be made
// from a plain pointer at any moment and every handle, whatever its static type, shares the one count.
// The handle that brings the count below 1 deletes the object through the virtual destructor.
class ReferenceCounter
{
public:
    virtual ~ReferenceCounter() = default;

    // How many handles hold the object now; 0 for an object no handle has taken.
    int getRefCount() const;

protected:
    ReferenceCounter() = default;
    // A copy is a new object: no handle holds it yet, whatever held the original.
    ReferenceCounter(const ReferenceCounter& other);
    ReferenceCounter& operator=(const ReferenceCounter& other);

private:
    template <typename T>
    friend class Handle;

    int refCount = 0;
};
