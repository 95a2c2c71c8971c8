#pragma once
// Which control of the main window gets which string, in the order the
// loading applies them, with the design-time placeholder each replaces.
#include <QString>
#include <cstddef>

enum class TextTarget {
    MenuItem,      // name: a menu item or menu
    MenuArrayItem, // name + index: an item of a menu array
    Label,         // name: a label's caption
    LineEditText,  // name: a text box's text
    ComboEntries,  // name: a list cleared and filled with ids id..id+index-1
    ButtonCaption, // name: a push button or check box caption
    ToolTip,       // toolbar + name (the button key)
};

struct TextBinding {
    TextTarget target;
    const char* toolbar; // ToolTip only
    const char* name;
    int index;
    int id;
    const char* placeholder; // the design-time text (UTF-8)
};

// The whole table, in order.
const TextBinding* MainWindowTexts(size_t* count);
// The design-time text that string id replaces; empty when no control has one.
QString DesignPlaceholder(int id);
