#pragma once
// The input method (ibus, fcitx) as Korean users type with it. While a syllable is being composed it is
// preedit text, owned by the input method and not yet part of the field; these functions make sure it
// ends up in the field it was typed in, once:
//
// - a mouse press anywhere (another field, a tool-bar icon that takes no focus, a cell, a window's "x")
//   first has the input method commit what it is composing, while the old field still has the focus;
// - the commands call CommitComposition() before they read the fields;
// - ibus commits a second time what Qt's plugin has just committed for it (the engine flushes its
//   syllable when it is reset, and that copy arrives later, in whatever field has the focus then): that
//   echo is dropped;
// - a field that takes only numbers refuses the input method altogether, and a composition that reaches
//   one anyway is cancelled.

#include <QString>

class QApplication;
class QWidget;

// Watches every input method event and mouse press of the application; once, at start-up.
void InstallInputMethodGuard(QApplication *app);

// Commits the syllable being composed into the field that has the focus. Returns whether there was one.
bool CommitComposition();

// Drops the syllable being composed: nothing of it reaches any field.
void CancelComposition();

// The syllable being composed, as the focused field shows it; empty when none.
QString PendingComposition();

// A field that takes only digits (and signs, separators): the input method is switched off for it and is
// told so (input-method hints), so that keys reach it as the digits they are.
void MarkNumbersOnly(QWidget *field);
bool IsNumbersOnly(const QWidget *field);

// A widget that gets its input method events handed on by the widget that has the focus (a grid's cell
// editor): the guard counts each composition once, where the input method sent it.
void MarkPartOfFocus(QWidget *part);

// Switches the input method of window to Hangul (mode 0) or alphanumeric input (mode 1); any other mode
// does nothing. Only fcitx5 offers a documented interface for it (its D-Bus controller); under ibus and
// elsewhere nothing changes and the user's own choice stands.
void SetImeHangul(QWidget *window, int mode);
