#pragma once
// What the host needs to know to build a window and its controls: each
// control's kind, name, page, place, size, initial text and settings.
#include <windows.h>

#include <string>
#include <vector>

namespace pixmora::host {

enum class ControlKind {
    TabControl,        // pages; the other controls name the page they sit on
    TransparentLabel,  // static text drawn over whatever lies beneath it
    EditBox,
    SpinnerEditBox,    // an edit box with an up-down control at its right end
    ColourPicker,      // shows a colour, opens the colour dialog on click
    ToggleCheckBox,    // a check box drawn as a push button with its own caption colour
    PictureBox,
    Button,
    RadioButton,
};

// The control is visible on every page.
inline constexpr int kAllPages = -1;

struct ControlDescription {
    std::string name;
    ControlKind kind = ControlKind::EditBox;
    int page = kAllPages;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    std::string text;
    // Edit boxes.
    bool multiLine = false;
    bool readOnly = false;
    bool disabled = false;
    bool integerOnly = false;        // typed and pasted characters: digits and '-' only
    int maxLength = 0;               // 0: the edit control's own limit
    bool rewriteAsWholeNumber = false;  // rewritten as a whole number when it loses focus
    // Spinner of a SpinnerEditBox.
    int spinnerMinimum = 0;
    int spinnerMaximum = 100;
    // Buttons, radio buttons, toggles.
    bool ticked = false;
    bool boldFont = false;           // the bold 16-pixel GB2312 font instead of the default
    COLORREF textColour = RGB(0, 0, 0);
    // Colour pickers.
    COLORREF colour = RGB(255, 255, 255);
    // Tab controls: one caption per page.
    std::vector<std::string> pageCaptions;
};

struct WindowDescription {
    std::string title;
    int width = 0;   // outer size
    int height = 0;
    std::vector<ControlDescription> controls;
};

}  // namespace pixmora::host
