// practice_tool: checks, converts and makes Tarnvel practice files.
#include "tools/practice_tool/tool.h"

int main(int argc, char** argv) {
    return RunPracticeTool(argc, argv, stdout, stderr);
}
