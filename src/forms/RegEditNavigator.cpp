// The registry editor walk: find or start the editor, then drive its key tree by keys.
#include "forms/RegEditNavigator.h"

namespace folvane {

RegEditNavigator::RegEditNavigator(WindowDriver& windows, Shell& shell, Clock& clock)
    : windows_(windows)
    , shell_(shell)
    , clock_(clock)
{
}

WindowHandle RegEditNavigator::FindOrStartEditor()
{
    WindowHandle editor = windows_.FindTopLevel(regedit::kMainWindowClass);
    if (editor == 0) {
        if (!shell_.StartAndWaitForInputIdle(regedit::kProgram, regedit::kStartTimeoutMs))
            return 0;
        editor = windows_.FindTopLevel(regedit::kMainWindowClass);
        // Wine's editor often needs longer than the input-idle wait to create
        // its window; walking no window would silently do nothing.
        for (unsigned waited = 0; editor == 0 && waited < regedit::kWindowWaitMs; waited += regedit::kWindowPollMs) {
            clock_.Sleep(regedit::kWindowPollMs);
            editor = windows_.FindTopLevel(regedit::kMainWindowClass);
        }
    }
    return editor;
}

void RegEditNavigator::KeyDown(WindowHandle tree, unsigned virtualKey)
{
    if (tree != 0)
        windows_.SendKeyDown(tree, virtualKey, 0);
}

void RegEditNavigator::ShowRegEditKey(const std::string& path)
{
    const WindowHandle editor = FindOrStartEditor();
    WindowHandle tree = 0;
    // Without an editor window there is no tree to look for: searching under
    // no parent would pick some unrelated top-level tree.
    if (editor != 0) {
        windows_.ShowNormal(editor);
        tree = windows_.FindChild(editor, regedit::kTreeClass);
        // Wine's editor nests its tree one level deeper than Windows does.
        if (tree == 0)
            tree = windows_.FindDescendant(editor, regedit::kTreeClass);
    }
    if (tree != 0)
        windows_.SetForeground(tree);

    // Each press collapses the selected node or moves to its parent.
    for (int i = 0; i < regedit::kCollapsePresses; ++i)
        KeyDown(tree, regedit::kVirtualKeyLeft);
    clock_.Sleep(regedit::kStepMs);
    KeyDown(tree, regedit::kVirtualKeyRight);
    clock_.Sleep(regedit::kStepMs);

    for (std::size_t i = 0; i + 1 < path.size(); ++i) {
        if (path[i] == '\\') {
            KeyDown(tree, regedit::kVirtualKeyRight);
            // Also lets the tree's incremental search forget the last name.
            clock_.Sleep(regedit::kStepMs);
        } else if (tree != 0) {
            // A repeat count of 1, as a real keystroke has: Wine's tree
            // ignores characters whose key data is 0.
            windows_.SendChar(tree, static_cast<unsigned char>(path[i]), 1);
        }
    }
}

} // namespace folvane
