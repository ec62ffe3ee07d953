#pragma once
// Windows without a system title bar: a mouse press on any bare point of the window drags it.

class QWidget;

// Lets window be dragged by pressing the left button on the window itself or on any of its children
// that do not take mouse presses of their own (panels, frames, plain labels, bevels).
void EnableDragByBarePoints(QWidget *window);

// Brings a window to the front, restoring it first when it is minimised.
void BringToFront(QWidget *window);
