// practice_tool: makes, checks and converts Tarnvel practice files.
#include "practice_tool/commands.h"
#include "practice_tool/messages.h"
#include "practice_tool/tool_platform.h"

int main(int argc, char** argv) {
    const Streams streams{stdout, stderr, SystemLanguage()};
    const int exitCode = RunPracticeTool(argc, argv, streams);
    // Started from Explorer, the window would close before the report is read.
    if (OwnsConsoleWindow()) {
        std::fputc('\n', stdout);
        Print(stdout, streams.language, Msg::pressKey);
        std::fflush(stdout);
        WaitForKey();
    }
    return exitCode;
}
