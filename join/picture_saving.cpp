#include "join/picture_saving.h"

#include <string>
#include <utility>

#include "host/whole_file.h"
#include "imaging/text_conversion.h"
#include "join/save_messages.h"

namespace pixmora {
namespace {

// The system's own text for an error, without the line break it ends with.
std::string systemErrorText(DWORD error) {
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error,
        0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text = length && buffer ? std::wstring(buffer, length) : std::wstring();
    if (buffer) LocalFree(buffer);
    while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n' || text.back() == L' ')) text.pop_back();
    return wideToText(text);
}

}  // namespace

std::string writeFailureReason(DWORD error) {
    switch (error) {
        case ERROR_PATH_NOT_FOUND:
        case ERROR_FILE_NOT_FOUND:
        case ERROR_BAD_NETPATH:
        case ERROR_INVALID_DRIVE:
            return "保存的文件夹不存在（可能已被删除、移动或断开），请重新选择保存位置";
        case ERROR_ACCESS_DENIED:
        case ERROR_WRITE_PROTECT:
            return "文件或文件夹是只读的，或没有写入权限，请重新选择保存位置";
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
            return "文件正被其他程序使用，请关闭该程序后再保存";
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return "磁盘空间不足";
        case ERROR_DIRECTORY:
            return "保存路径是一个文件夹，不是文件";
        default: break;
    }
    const std::string text = systemErrorText(error);
    const std::string code = "（错误代码 " + std::to_string(error) + "）";
    return text.empty() ? "写入文件时出错" + code : text + code;
}

SaveOutcome saveComposedPicture(const ComposedPicture& picture, std::string_view path) {
    if (picture.problem != ComposeProblem::none || picture.bytes.empty()) {
        const ComposeProblem problem =
            picture.problem == ComposeProblem::none ? ComposeProblem::encodingFailed : picture.problem;
        return {false, composeProblemText(problem)};
    }
    const DWORD error = host::writeWholeFileReplacing(path, picture.bytes);
    if (error != ERROR_SUCCESS) return {false, writeFailureReason(error)};
    return {true, {}};
}

std::string saveOutcomeMessage(std::string_view path, const SaveOutcome& outcome) {
    return outcome.written ? savedMessage(path) : saveFailedMessage(path, outcome.reason);
}

ExportResult exportComposedPicture(ComposedPicture picture, std::string_view path, const PhaseObserver& observer) {
    ExportResult result{std::move(picture), {}};
    composing::PhaseClock clock(observer);
    result.outcome = saveComposedPicture(result.picture, path);
    if (result.outcome.written) clock.finished(ComposePhase::write);
    return result;
}

}  // namespace pixmora
