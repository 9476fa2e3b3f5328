#include "tests/e2e/program_resources.h"

namespace {

void ReadMenu(HMENU menu, int depth, std::vector<MenuLine>& lines) {
    int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        char text[256] = "";
        GetMenuStringA(menu, UINT(i), text, sizeof text, MF_BYPOSITION);
        UINT state = GetMenuState(menu, UINT(i), MF_BYPOSITION);
        HMENU popup = GetSubMenu(menu, i);
        bool enabled = (state & (MF_GRAYED | MF_DISABLED)) == 0;
        lines.push_back({depth, text, popup ? 0xFFFFFFFFu : GetMenuItemID(menu, i), enabled});
        if (popup)
            ReadMenu(popup, depth + 1, lines);
    }
}

} // namespace

ProgramResources::ProgramResources(const char* exePath)
    : module_(LoadLibraryExA(exePath, nullptr, LOAD_LIBRARY_AS_DATAFILE)) {}

ProgramResources::~ProgramResources() {
    if (module_)
        FreeLibrary(module_);
}

std::vector<MenuLine> ProgramResources::menu(int id) const {
    std::vector<MenuLine> lines;
    HMENU menu = module_ ? LoadMenuA(module_, MAKEINTRESOURCEA(id)) : nullptr;
    if (menu) {
        ReadMenu(menu, 0, lines);
        DestroyMenu(menu);
    }
    return lines;
}

std::vector<Accelerator> ProgramResources::accelerators(int id) const {
    std::vector<Accelerator> entries;
    HACCEL table = module_ ? LoadAcceleratorsA(module_, MAKEINTRESOURCEA(id)) : nullptr;
    if (!table)
        return entries;
    std::vector<ACCEL> raw(CopyAcceleratorTableA(table, nullptr, 0));
    CopyAcceleratorTableA(table, raw.data(), int(raw.size()));
    DestroyAcceleratorTable(table);
    for (const ACCEL& entry : raw)
        entries.push_back({entry.fVirt, entry.key, entry.cmd});
    return entries;
}

std::string ProgramResources::string(int id) const {
    char text[4096] = "";
    if (!module_ || LoadStringA(module_, UINT(id), text, sizeof text) <= 0)
        return "";
    return text;
}
