#pragma once
// Running a parsed pixmora-cli command: compose, write, and say what failed.
#include <functional>
#include <string>
#include <string_view>

#include "cli/cli_options.h"
#include "join/composed_picture.h"
#include "join/picture_saving.h"

namespace pixmora::cli {

inline constexpr int kExitWritten = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;

struct RunResult {
    int exitStatus = kExitFailed;
    std::string message;  // one line, without line break, for standard error; "" when written
};

// Composes the command's picture with the window's rules, every given
// picture checked first, and writes it to the output file atomically. The
// phase timings, when asked for, go to `timingLine` one line at a time.
// GDI+ must have been started.
RunResult runCommand(const Options& options, const std::function<void(std::string_view)>& timingLine = {});

// The one-line message for a composition or save that failed, naming the
// unreadable picture as it was given.
std::string failureMessage(const Options& options, const ComposedPicture& picture, const SaveOutcome& outcome);

}  // namespace pixmora::cli
