#include "tests/cli/cli_process.h"

#include <windows.h>

#include <algorithm>

#include "imaging/text_conversion.h"
#include "tests/support/temporary_folder.h"

namespace pixmora::testing {
namespace {

// A temporary file the child's output goes to, read back after it ends.
class CaptureFile {
public:
    explicit CaptureFile(const std::wstring& path) : path_(path) {
        SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
        handle_ = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                              CREATE_ALWAYS, FILE_ATTRIBUTE_TEMPORARY, nullptr);
    }
    ~CaptureFile() {
        if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
        DeleteFileW(path_.c_str());
    }
    HANDLE handle() const { return handle_; }
    std::string contents() const {
        const ByteArray bytes = readWholeFile(std::filesystem::path(path_));
        return std::string(bytes.begin(), bytes.end());
    }

private:
    std::wstring path_;
    HANDLE handle_;
};

}  // namespace

std::string windowsPath(const std::string& path) {
    if (path.empty() || path[0] != '/') return path;
    std::string converted = "Z:" + path;
    std::replace(converted.begin(), converted.end(), '/', '\\');
    return converted;
}

std::string cliExecutable() { return windowsPath(PIXMORA_CLI_EXE); }

std::wstring quoteArgument(const std::wstring& argument) {
    if (!argument.empty() && argument.find_first_of(L" \t\n\v\"") == std::wstring::npos) return argument;
    std::wstring quoted = L"\"";
    for (std::size_t i = 0;; ++i) {
        std::size_t backslashes = 0;
        while (i < argument.size() && argument[i] == L'\\') {
            ++i;
            ++backslashes;
        }
        if (i == argument.size()) {
            quoted.append(backslashes * 2, L'\\');
            break;
        }
        if (argument[i] == L'"') {
            quoted.append(backslashes * 2 + 1, L'\\');
        } else {
            quoted.append(backslashes, L'\\');
        }
        quoted.push_back(argument[i]);
    }
    quoted.push_back(L'"');
    return quoted;
}

CliRun runCli(const std::vector<std::string>& arguments, unsigned timeoutMs) {
    static unsigned counter = 0;
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    const std::wstring stem = std::wstring(folder) + L"pixmora-cli-run-" + std::to_wstring(GetCurrentProcessId()) +
                              L"-" + std::to_wstring(++counter);
    CaptureFile output(stem + L".out");
    CaptureFile error(stem + L".err");

    std::wstring commandLine = quoteArgument(toWideText(cliExecutable()));
    for (const std::string& argument : arguments) commandLine += L" " + quoteArgument(toWideText(argument));

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = output.handle();
    startup.hStdError = error.handle();
    PROCESS_INFORMATION process{};
    CliRun run;
    run.started = CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr,
                                 nullptr, &startup, &process);
    if (!run.started) return run;
    if (WaitForSingleObject(process.hProcess, timeoutMs) == WAIT_TIMEOUT) {
        run.timedOut = true;
        TerminateProcess(process.hProcess, 255);
        WaitForSingleObject(process.hProcess, 5000);
    }
    GetExitCodeProcess(process.hProcess, &run.exitStatus);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    run.standardOutput = output.contents();
    run.standardError = error.contents();
    return run;
}

}  // namespace pixmora::testing
