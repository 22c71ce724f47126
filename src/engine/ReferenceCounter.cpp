#include "engine/ReferenceCounter.h"

int ReferenceCounter::getRefCount() const
{
    return refCount;
}

ReferenceCounter::ReferenceCounter(const ReferenceCounter&) {}

ReferenceCounter& ReferenceCounter::operator=(const ReferenceCounter&)
{
    // The count belongs to this object's own handles, not to the one assigned from.
    return *this;
}
