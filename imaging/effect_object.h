#pragma once
// What applying a GDI+ effect to a bitmap needs of the effect: the native
// effect (its nativeHandle), whether GDI+ should produce auxiliary data, and
// the auxiliary data GDI+ produced last time, GDI+ memory that the next
// application frees. Effect classes derive from it and create the effect.
#include "imaging/toolkit_object.h"

namespace pixmora {

class EffectObject : public ToolkitObject {
public:
    virtual bool getUseAuxData() const { return useAuxData; }
    virtual void setUseAuxData(bool use) { useAuxData = use; }
    virtual void* getAuxData() const { return auxData; }
    virtual void setAuxData(void* data) { auxData = data; }
    virtual int getAuxDataSize() const { return auxDataSize; }
    virtual void setAuxDataSize(int size) { auxDataSize = size; }

private:
    bool useAuxData = false;
    void* auxData = nullptr;
    int auxDataSize = 0;
};

}  // namespace pixmora
