#include "join/save_messages.h"

namespace pixmora {

bool isAcceptedSavePath(std::string_view path) {
    if (path.empty() || path == kNoSavePathYet) return false;
    return !path.starts_with('\\');
}

std::string savedMessage(std::string_view path) { return "文件已保存到" + std::string(path); }

std::string saveFailedMessage(std::string_view path, std::string_view reason) {
    return "保存失败：" + std::string(path) + "\n" + std::string(reason);
}

}  // namespace pixmora
