#include "editor_launch.h"

#include "commands.h"
#include "subUnt.h"

#include <QTimer>

#include <memory>

void OpenEditor(QWidget *mainWindow, int pageKind, bool statementButtonDown, int captionAdj) {
    // Destroyed when it returns, also when showing it fails.
    auto editor = std::make_unique<TsubUntf>(mainWindow, pageKind, statementButtonDown, captionAdj);
    editor->exec();
}

void OpenEditorOnFile(QWidget *parent, int pageKind, bool statement, int captionAdj, const QString &path) {
    auto editor = std::make_unique<TsubUntf>(parent, pageKind, statement, captionAdj);
    TsubUntf *e = editor.get();
    // Once the editor is shown and has started its new document, the file replaces it. The editor was
    // opened for that document only: when it is not opened (it cannot be read, or its lock is another
    // user's and the user chose not to open it), the editor closes again.
    QTimer::singleShot(0, e, [e, path] {
        bool opened = false;
        RunCommand(e, [e, &path, &opened] { opened = e->OpenDocumentFile(path); });
        if (!opened)
            e->done(QDialog::Rejected);
    });
    editor->exec();
}
