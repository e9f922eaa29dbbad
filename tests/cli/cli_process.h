#pragma once
// Runs the real pixmora-cli.exe as a child process, bounded in time, and
// captures what it says.
#include <string>
#include <vector>

namespace pixmora::testing {

struct CliRun {
    bool started = false;
    bool timedOut = false;  // killed after the time allowed
    unsigned long exitStatus = 0;
    std::string standardOutput;  // the bytes as written (UTF-8 when redirected)
    std::string standardError;
};

// The Windows path of the pixmora-cli.exe this test program was built with.
std::string cliExecutable();
// A path the build gives in Linux form ("/work/...") as Wine's drive Z: sees
// it; a Windows path is handed back unchanged.
std::string windowsPath(const std::string& path);

// Runs pixmora-cli with the arguments (UTF-8, quoted for the command line as
// needed); after `timeoutMs` the process is killed and timedOut set.
CliRun runCli(const std::vector<std::string>& arguments, unsigned timeoutMs = 30000);

// One argument quoted as the C runtime's command-line parser reads it back.
std::wstring quoteArgument(const std::wstring& argument);

}  // namespace pixmora::testing
