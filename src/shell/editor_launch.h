#pragma once

class QWidget;

// Creates the editor window owned by the main window, shows it modally and destroys it when it closes.
void OpenEditor(QWidget *mainWindow, int pageKind, bool statementButtonDown, int captionAdj);
