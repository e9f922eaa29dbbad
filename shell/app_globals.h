#pragma once
// State shared by the program's parts for the whole run; nothing is saved.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace pixmora {

class DropTargetObject;

// GDI+'s start-up token; 0 while GDI+ is not started.
extern ULONG_PTR gdiplusToken;
// Full paths of the files in join slots 1 to 4 and on the split tab; none
// until a file is dropped there. Replaced only by the drop routing.
extern std::optional<std::string> slotPath1;
extern std::optional<std::string> slotPath2;
extern std::optional<std::string> slotPath3;
extern std::optional<std::string> slotPath4;
extern std::optional<std::string> splitSourcePath;
// The drop target of the main window; constructed empty by the entry
// sequence, destroyed by the exit routine.
extern std::unique_ptr<DropTargetObject> dropTarget;
// How many of the four join slots count as filled (0 to 4).
extern std::int32_t joinCount;
// The running Windows version as major * 256 + minor (0x601 for 6.1); 0 when
// it could not be read.
extern std::int32_t osVersion;

}  // namespace pixmora
