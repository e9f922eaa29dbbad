#pragma once
// The GDI+ status of the most recent GDI+ call a toolkit operation made.
// One global for all toolkit objects, read right after the call on the same
// (the only) thread.
namespace pixmora {

extern int lastStatus;

// Stores a GDI+ status in lastStatus and tells whether it is Ok.
inline bool storeStatus(int status) {
    lastStatus = status;
    return status == 0;
}

}  // namespace pixmora
