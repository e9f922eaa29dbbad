#include "cli/cli_run.h"

#include <algorithm>
#include <cstdio>

#include "cli/cli_paths.h"
#include "join/join_composition.h"
#include "split/split_composition.h"

namespace pixmora::cli {
namespace {

PhaseObserver observerFor(const Options& options, const std::function<void(std::string_view)>& timingLine) {
    if (!options.timings || !timingLine) return {};
    return [&timingLine](ComposePhase phase, double seconds) {
        char line[64];
        std::snprintf(line, sizeof line, "%-7s %8.3f s", composePhaseName(phase), seconds);
        timingLine(line);
    };
}

std::string pictureName(const Options& options, int index) {
    if (options.command == Command::split) return "源图片";
    return "第" + std::to_string(index + 1) + "张图片";
}

}  // namespace

std::string failureMessage(const Options& options, const ComposedPicture& picture, const SaveOutcome& outcome) {
    if (picture.problem == ComposeProblem::pictureUnreadable && picture.unreadablePicture >= 0 &&
        static_cast<std::size_t>(picture.unreadablePicture) < options.pictures.size()) {
        const std::string& path = options.pictures[static_cast<std::size_t>(picture.unreadablePicture)];
        const std::string name = pictureName(options, picture.unreadablePicture);
        if (!canOpenForReading(usablePath(path)))
            return "无法读取" + name + "（文件不存在、是文件夹或无法打开）：" + path;
        return name + "无法解码（不是可以读取的图片，或文件已损坏）：" + path;
    }
    if (picture.problem == ComposeProblem::noEncoder)
        return options.format ? "没有可以写出 " + options.formatName + " 格式的编码器"
                              : composeProblemText(ComposeProblem::noEncoder) + "，或用 --format 指定输出格式";
    if (picture.problem != ComposeProblem::none) return composeProblemText(picture.problem);
    if (!outcome.written) return "保存失败：" + options.output + "：" + outcome.reason;
    return {};
}

namespace {

// The settings join and split take alike from the command line. Unlike the
// window, the tool refuses a picture it cannot read instead of leaving it out.
template <typename Settings>
void applySharedOptions(Settings& settings, const Options& options, const PhaseObserver& observer) {
    settings.thickness = options.thickness;
    settings.border = options.border;
    settings.outputFormat = options.format;
    settings.refuseUnreadablePictures = true;
    settings.phaseObserver = observer;
}

}  // namespace

RunResult runCommand(const Options& options, const std::function<void(std::string_view)>& timingLine) {
    const PhaseObserver observer = observerFor(options, timingLine);
    const std::string output = usablePath(options.output);
    ExportResult result;
    if (options.command == Command::join) {
        JoinSettings settings;
        for (std::size_t k = 0; k < options.pictures.size() && k < settings.slotPaths.size(); ++k)
            settings.slotPaths[k] = usablePath(options.pictures[k]);
        settings.count = static_cast<int>(std::min<std::size_t>(options.pictures.size(), settings.slotPaths.size()));
        settings.stacked = options.stacked;
        settings.barColour = options.colour;
        applySharedOptions(settings, options, observer);
        result = exportJoin(settings, output);
    } else {
        SplitSettings settings;
        if (!options.pictures.empty()) settings.sourcePath = usablePath(options.pictures.front());
        settings.rows = options.rows;
        settings.columns = options.cols;
        settings.lineColour = options.colour;
        applySharedOptions(settings, options, observer);
        result = exportSplit(settings, output);
    }
    if (result.outcome.written) return {kExitWritten, {}};
    return {kExitFailed, failureMessage(options, result.picture, result.outcome)};
}

}  // namespace pixmora::cli
