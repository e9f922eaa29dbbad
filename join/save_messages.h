#pragma once
// The texts the save buttons show, in message boxes titled kPromptTitle.
#include <string>
#include <string_view>

namespace pixmora {

inline constexpr std::string_view kPromptTitle = "提示";
// The output path box's text until a folder has been chosen.
inline constexpr std::string_view kNoSavePathYet = "请选择保存位置";
inline constexpr std::string_view kWrongSavePathMessage = "请选择正确的保存路径";

// True when the save buttons may write to the path: a folder was chosen, so it
// is neither the placeholder nor a bare name after a cancelled folder choice,
// which begins with "\". An empty path is refused as well.
bool isAcceptedSavePath(std::string_view path);

// "文件已保存到" + path.
std::string savedMessage(std::string_view path);
// "保存失败：" + path + a line break + reason.
std::string saveFailedMessage(std::string_view path, std::string_view reason);

}  // namespace pixmora
