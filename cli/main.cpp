// pixmora-cli: the join and split of the window, from the command line.
#include <windows.h>

#include <string>
#include <vector>

#include "cli/cli_options.h"
#include "cli/cli_run.h"
#include "cli/console_text.h"
#include "imaging/text_conversion.h"
#include "shell/startup.h"

namespace {

constexpr std::string_view kProgramName = "pixmora-cli";

void errorLine(std::string_view text) {
    pixmora::cli::writeText(STD_ERROR_HANDLE, std::string(kProgramName) + ": " + std::string(text) + "\n");
}

// A fault inside a decoder must end in a message and status 1, not in a crash
// dialog or a debugger waiting for someone to answer it.
LONG WINAPI reportFault(EXCEPTION_POINTERS* exception) {
    char code[16];
    wsprintfA(code, "%08lX", exception && exception->ExceptionRecord ? exception->ExceptionRecord->ExceptionCode : 0);
    errorLine(std::string("程序内部出错，未写入任何文件（异常代码 0x") + code + "）");
    TerminateProcess(GetCurrentProcess(), pixmora::cli::kExitFailed);
    return EXCEPTION_EXECUTE_HANDLER;
}

int run(int argc, wchar_t** argv) {
    using pixmora::cli::ParsedCommandLine;
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i) arguments.push_back(pixmora::wideToText(argv[i]));
    const ParsedCommandLine parsed = pixmora::cli::parseCommandLine(arguments);
    switch (parsed.kind) {
        case ParsedCommandLine::Kind::help:
            pixmora::cli::writeText(STD_OUTPUT_HANDLE, pixmora::cli::usageText());
            return 0;
        case ParsedCommandLine::Kind::version:
            pixmora::cli::writeText(STD_OUTPUT_HANDLE, std::string(kProgramName) + " 1.0\n");
            return 0;
        case ParsedCommandLine::Kind::usageError:
            errorLine(parsed.error);
            pixmora::cli::writeText(STD_ERROR_HANDLE, pixmora::cli::usageText());
            return pixmora::cli::kExitUsage;
        case ParsedCommandLine::Kind::run: break;
    }
    if (!pixmora::startGdiplus()) {
        errorLine("无法启动 GDI+");
        return pixmora::cli::kExitFailed;
    }
    const pixmora::cli::RunResult result = pixmora::cli::runCommand(parsed.options, errorLine);
    if (!result.message.empty()) errorLine(result.message);
    return result.exitStatus;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
    SetUnhandledExceptionFilter(reportFault);
    try {
        return run(argc, argv);
    } catch (const std::exception&) {
        // Out of memory for a buffer, most likely: the output was not written.
        errorLine("内存不足，未写入任何文件");
        return pixmora::cli::kExitFailed;
    }
}
