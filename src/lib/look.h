#pragma once
// One look of our own on every desktop.
//
// The windows copy paper forms: fixed positions, 12-pixel 굴림 and a light face. A dark or themed desktop
// (GNOME dark through the GTK platform theme, qt6ct, KDE) would otherwise hand some widgets its colours
// and fonts and leave others with ours: dark digits in a dark box, white labels on beige, a header font
// too big for its cells. So the program keeps its own style, palette and fonts whatever the desktop says,
// and every control that sets a background or paints itself takes the colour of its text from here too.

#include <QColor>
#include <QFont>
#include <QPalette>

class QWidget;

namespace look {

// A background and the text that is read on it: set together, never one alone.
struct Pair {
    QColor background;
    QColor text;
};

// Once it exists: the style, the palette, the fonts and the tool tips of every window.
void Apply();

// The whole light palette, every role of every group set.
QPalette Palette();
// 굴림 (mapped onto the Korean fonts installed) at 12 pixels: the size the fixed layouts were drawn for.
QFont WindowFont();

Pair Face();           // the face of windows and buttons
Pair Field();          // edit fields and grid cells
Pair MainCaption();    // the main window's caption strip
Pair EditorCaption();  // the editor's and the preview's caption strip
Pair PrintCaption();   // the print dialog's caption strip
Pair PrintFace();      // the print dialog's face
Pair Hint();           // tool tips
QColor Alarm();        // a sum with more digits than its boxes
QColor MessageInk();   // the printed message typed in the print dialog

// Sets both colours of a pair on a widget: its background role and its text role.
void SetPair(QWidget *widget, const Pair &pair, QPalette::ColorRole background = QPalette::Window,
             QPalette::ColorRole text = QPalette::WindowText);

} // namespace look
