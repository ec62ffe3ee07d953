#include "document_handoff.h"

#include "commands.h"
#include "editor_launch.h"
#include "frameless.h"
#include "mainU.h"
#include "prompts.h"
#include "register_entry.h"
#include "regular_file.h"
#include "subUnt.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QTimer>

#include <utility>

namespace {

struct Target {
    int pageKind = 0;
    bool statement = false;
    QString problem;
};

Target targetOf(const QString &path) {
    Target t;
    const QString reason = NotARegularFileReason(path);
    if (!QFileInfo::exists(path))
        t.problem = QStringLiteral("파일이 없습니다.");
    else if (!reason.isEmpty())
        t.problem = reason;
    else if (const auto kind = reg::KindOfFileName(path); !kind)
        t.problem = QStringLiteral("세금계산서(.Dy5 .Dnt .Dty), 거래명세서(.Gy5 .Gnt .Gty), 견적서(.Prc) 파일만 열 수 "
                                   "있습니다.");
    else if (*kind == reg::DocKind::Quotation)
        t.pageKind = 2;
    else {
        t.pageKind = 1;
        t.statement = *kind == reg::DocKind::Statement;
    }
    return t;
}

TsubUntf *openEditor(Tmainf *main) {
    for (TsubUntf *e : main->findChildren<TsubUntf *>())
        if (e->isVisible())
            return e;
    return nullptr;
}

void tellBusy(QWidget *over, const QString &path) {
    ShowInfo(QStringLiteral("다른 창이 열려 있어 파일을 열지 않았습니다:\n%1\n\n열려 있는 창을 닫은 뒤 다시 여세요.")
                 .arg(QDir::toNativeSeparators(path)),
             over);
}

// A document waiting for the editor that was open on another page to be gone.
QString g_waiting;

void openOnceEditorIsGone(QPointer<Tmainf> main, int tries) {
    QTimer::singleShot(100, main, [main, tries] {
        if (!main)
            return;
        if (!main->findChildren<TsubUntf *>().isEmpty() && tries > 0) {
            openOnceEditorIsGone(main, tries - 1);
            return;
        }
        const QString path = std::exchange(g_waiting, QString());
        if (!path.isEmpty())
            OpenDocumentFromDesktop(main, path);
    });
}

} // namespace

void OpenDocumentFromDesktop(Tmainf *main, const QString &path) {
    // The program to the front, with what is open over its main window still over it.
    BringToFront(main);
    QWidget *inTheWay = QApplication::activeModalWidget();
    if (inTheWay)
        BringToFront(inTheWay);
    const Target target = targetOf(path);
    if (!target.problem.isEmpty()) {
        ShowInfo(QStringLiteral("이 파일을 열 수 없습니다:\n%1\n\n%2").arg(QDir::toNativeSeparators(path), target.problem),
                 inTheWay ? inTheWay : main);
        return;
    }
    TsubUntf *editor = openEditor(main);
    if (editor && inTheWay == editor) {
        if (editor->ShowsPageOf(target.pageKind, target.statement)) {
            RunCommand(editor, [editor, &path] { editor->OpenFromDesktop(path); });
            return;
        }
        // Another page: that editor closes first (its changes asked about), then the file opens.
        if (!editor->CloseForAnotherDocument())
            return;
        g_waiting = path;
        openOnceEditorIsGone(main, 50);
        return;
    }
    if (inTheWay) {
        tellBusy(inTheWay, path);
        return;
    }
    QPointer<Tmainf> owner(main);
    QTimer::singleShot(0, main, [owner, target, path] {
        if (owner)
            OpenEditorOnFile(owner, target.pageKind, target.statement, owner->CaptionAdj(), path);
    });
}
