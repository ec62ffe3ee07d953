#pragma once

class QString;
class QWidget;

// Creates the editor window owned by the main window, shows it modally and destroys it when it closes.
void OpenEditor(QWidget *mainWindow, int pageKind, bool statementButtonDown, int captionAdj);

// Opens the editor on the page of a document file (tax invoice, statement or quotation) and loads the file
// as its open command does; returns when the editor closes. A file that cannot be read is reported by
// the application's error handler and leaves the editor with a new document.
void OpenEditorOnFile(QWidget *parent, int pageKind, bool statement, int captionAdj, const QString &path);
