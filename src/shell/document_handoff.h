#pragma once
// Opening a document file given on the command line (`zaruziz FILE`, a double click in the file manager)
// or handed over by a later copy of the program: on its editor page, over the main window, which comes to
// the front. Only a regular file with a document's name is opened.
//
// An editor already open on that page opens the file itself, asking first about its unsaved changes (the
// same question as its open command). An editor on another page closes first, asking the same, and the
// file then opens on its page. While another window is in the way (the register, the print dialog, a
// message), the user is told and nothing opens.

class QString;
class Tmainf;

void OpenDocumentFromDesktop(Tmainf *main, const QString &path);
