#include "shell/app_globals.h"

#include "intake/drop_target_object.h"

namespace pixmora {

ULONG_PTR gdiplusToken = 0;
std::optional<std::string> slotPath1;
std::optional<std::string> slotPath2;
std::optional<std::string> slotPath3;
std::optional<std::string> slotPath4;
std::optional<std::string> splitSourcePath;
std::unique_ptr<DropTargetObject> dropTarget;
std::int32_t joinCount = 0;
std::int32_t osVersion = 0;

}  // namespace pixmora
