#include "app/open_file_command.h"

#include "app/app_state.h"
#include "app/message_box.h"
#include "core/drill.h"

#include <cstddef>

#ifndef _WIN64
// OPENFILENAME_SIZE_VERSION_400A measures up to lpTemplateName, the layout
// without the trailing reserved fields; 32-bit systems know it as 76 bytes.
static_assert(offsetof(OPENFILENAMEA, lpTemplateName) + sizeof(OPENFILENAMEA::lpTemplateName) == 76,
              "OPENFILENAMEA 4.0 layout");
#endif

namespace {

// One filter pair; the literal's own NUL ends the list.
constexpr char fileFilter[] = "文本文件\0*.txt\0";
constexpr char dialogTitle[] = "打开文件";
constexpr char defaultExtension[] = "txt";
constexpr char notOpened[] = "文件打开时发生错误！";
constexpr char partlyRead[] = "内存不足，练习文件只读入了一部分。";

void ReportLoadResult(HWND owner, LoadResult result) {
    switch (result) {
    case LoadResult::loaded: break;
    case LoadResult::notOpened: ShowError(owner, notOpened); break;
    case LoadResult::outOfMemory: ShowError(owner, partlyRead); break;
    }
}

using OpenFileNameFunction = BOOL WINAPI(OPENFILENAMEA*);

// The file chooser's library is loaded when the chooser is first wanted:
// linked at start-up, it and what it pulls in made the first window come up
// about a fifth later. A known system DLL, so always the system's own copy.
OpenFileNameFunction* FileChooser() {
    static HMODULE library = LoadLibraryA("comdlg32.dll");
    return library == nullptr ? nullptr
                              : reinterpret_cast<OpenFileNameFunction*>(reinterpret_cast<void*>(
                                    GetProcAddress(library, "GetOpenFileNameA")));
}

} // namespace

void InitOpenFileName(OPENFILENAMEA& request, HWND owner, char (&pathBuffer)[pathBufferSize]) {
    request = {};
    // The 4.0 layout, without the trailing reserved fields: 76 bytes in a
    // 32-bit program; a literal 76 would make the dialog fail in a 64-bit one.
    request.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    request.hwndOwner = owner;
    request.hInstance = appInstance;
    request.lpstrFilter = fileFilter;
    request.lpstrFile = pathBuffer;
    request.nMaxFile = pathBufferSize;
    request.lpstrTitle = dialogTitle;
    request.Flags = OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_EXPLORER | OFN_LONGNAMES;
    request.lpstrDefExt = defaultExtension;
}

void OpenPracticeFile(HWND owner) {
    char path[pathBufferSize] = {};
    OPENFILENAMEA request;
    InitOpenFileName(request, owner, path);
    OpenFileNameFunction* getOpenFileName = FileChooser();
    if (getOpenFileName == nullptr || !getOpenFileName(&request))
        return;
    ReportLoadResult(owner, LoadDrillMaterial(path));
}
