#include "tests/e2e/message_box.h"

#include "tests/e2e/check.h"
#include "tests/e2e/screen.h"
#include "tests/e2e/windows_found.h"

namespace {

// Control ids of the system's message box template and of the open-file dialog.
constexpr int boxTextId = 0xFFFF;
constexpr int boxIconId = 1088;
constexpr int fileNameBoxId = 1148;

bool IsMessageBox(HWND dialog) {
    return FindDescendant(dialog, boxTextId, "Static") &&
           FindDescendant(dialog, boxIconId, "Static") && !FindDescendant(dialog, fileNameBoxId);
}

// Tells the error icon from the information icon by drawing both the way the
// box does and comparing with the screen: icon handles are per process.
BoxIcon RecogniseIcon(HWND iconControl) {
    DWORD_PTR handle = 0;
    SendMessageTimeoutA(iconControl, STM_GETICON, 0, 0, SMTO_ABORTIFHUNG, 5000, &handle);
    if (!handle || !IsWindowVisible(iconControl))
        return BoxIcon::none;
    Image shown;
    if (!CaptureClient(iconControl, shown))
        return BoxIcon::other;
    const struct {
        LPCSTR id;
        BoxIcon kind;
    } candidates[] = {{IDI_ERROR, BoxIcon::error}, {IDI_INFORMATION, BoxIcon::information}};
    BoxIcon best = BoxIcon::other;
    double bestShare = 0.9; // anything less alike is some other picture
    for (const auto& candidate : candidates) {
        Image drawn;
        DrawSystemIcon(candidate.id, shown.width, shown.height, shown.at(0, 0), drawn);
        double share = SameShare(shown, drawn);
        if (share > bestShare) {
            bestShare = share;
            best = candidate.kind;
        }
    }
    return best;
}

bool ReadMessageBox(HWND window, BoxView& box) {
    box.window = window;
    box.owner = GetWindow(window, GW_OWNER);
    box.caption = TextOf(window);
    box.text = TextOf(FindDescendant(window, boxTextId, "Static"));
    box.icon = RecogniseIcon(FindDescendant(window, boxIconId, "Static"));
    return true;
}

} // namespace

std::vector<HWND> OpenMessageBoxes(DWORD processId) {
    std::vector<HWND> boxes;
    for (HWND dialog : ProcessWindows(processId, "#32770", false)) {
        if (IsMessageBox(dialog))
            boxes.push_back(dialog);
    }
    return boxes;
}

bool WaitForMessageBox(DWORD processId, DWORD milliseconds, BoxView& box) {
    HWND found = nullptr;
    WaitUntil(
        [&] {
            std::vector<HWND> boxes = OpenMessageBoxes(processId);
            found = boxes.empty() ? nullptr : boxes.front();
            return found != nullptr;
        },
        milliseconds);
    box = {};
    if (!found)
        return false;
    // The box shows itself once its loop finds the queue empty; read it then.
    WaitUntil([&] { return IsWindowVisible(found) != FALSE; }, milliseconds);
    Ping(found);
    return ReadMessageBox(found, box);
}

bool DismissMessageBox(HWND box) {
    HWND ok = GetDlgItem(box, IDOK);
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(ok));
    return WaitForWindowGone(box, boxTimeout);
}

bool ExpectBoxes(const char* what, const std::vector<BoxView>& boxes,
                 const std::vector<ExpectedBox>& expected, HWND owner) {
    bool ok = Expect(boxes.size() == expected.size(), "%s: %zu message boxes, expected %zu", what,
                     boxes.size(), expected.size());
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        if (i >= expected.size()) {
            Expect(false, "%s: unexpected box \"%s\" / \"%s\"", what,
                   Readable(boxes[i].caption).c_str(), Readable(boxes[i].text).c_str());
            continue;
        }
        std::string label = std::string(what) + ": box " + std::to_string(i + 1);
        ok &= ExpectText((label + " text").c_str(), boxes[i].text, expected[i].text);
        ok &= ExpectText((label + " caption").c_str(), boxes[i].caption, expected[i].caption);
        ok &= Expect(boxes[i].icon == expected[i].icon, "%s: box %zu has %s, expected %s", what,
                     i + 1, IconName(boxes[i].icon), IconName(expected[i].icon));
        ok &= Expect(boxes[i].owner == owner, "%s: box %zu is owned by %p, expected %p", what,
                     i + 1, static_cast<void*>(boxes[i].owner), static_cast<void*>(owner));
    }
    return ok;
}

bool ExpectMessageBox(DWORD processId, const char* what, const ExpectedBox& expected, HWND owner) {
    BoxView box;
    if (!Expect(WaitForMessageBox(processId, boxTimeout, box), "%s: no message box", what))
        return false;
    bool ok =
        Expect(OpenMessageBoxes(processId).size() == 1, "%s: more than one message box", what);
    ok &= ExpectBoxes(what, {box}, {expected}, owner);
    ok &= Expect(DismissMessageBox(box.window), "%s: the box does not close", what);
    return ok;
}

const char* IconName(BoxIcon icon) {
    switch (icon) {
    case BoxIcon::none: return "none";
    case BoxIcon::error: return "the error icon";
    case BoxIcon::information: return "the information icon";
    case BoxIcon::other: return "an unknown icon";
    }
    return "?";
}
