#include "editor_launch.h"

#include "subUnt.h"

#include <memory>

void OpenEditor(QWidget *mainWindow, int pageKind, bool statementButtonDown, int captionAdj) {
    // Destroyed when it returns, also when showing it fails.
    auto editor = std::make_unique<TsubUntf>(mainWindow, pageKind, statementButtonDown, captionAdj);
    editor->exec();
}
