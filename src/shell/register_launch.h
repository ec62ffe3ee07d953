#pragma once

class QWidget;

// Opens the register of the work folder's documents modally over the main window; a double click on a
// document opens it in the editor on its page.
void OpenRegister(QWidget *mainWindow, int captionAdj);
