#include "prompts.h"

#include "document.h"
#include "korean_ui.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPushButton>

namespace {

QWidget *owner(QWidget *parent) { return parent ? parent : QApplication::activeWindow(); }

// A box with one "확인" button; the failure reasons of the system inside the message read in Korean.
void notice(QWidget *parent, QMessageBox::Icon icon, const QString &caption, const QString &message) {
    QMessageBox box(icon, caption, KoreanSystemReasons(message), QMessageBox::NoButton, owner(parent));
    QPushButton *ok = box.addButton(QStringLiteral("확인"), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
}

class DialogPrompts final : public Prompts {
public:
    void info(QWidget *parent, const QString &message, const QString &caption) override {
        notice(parent, QMessageBox::Information, caption, message);
    }
    bool askYesNo(QWidget *parent, const QString &message, const QString &caption) override {
        QMessageBox box(QMessageBox::Question, caption, message, QMessageBox::NoButton, owner(parent));
        QPushButton *yes = box.addButton(QStringLiteral("예(&Y)"), QMessageBox::YesRole);
        box.addButton(QStringLiteral("아니오(&N)"), QMessageBox::NoRole);
        box.setDefaultButton(yes);
        box.exec();
        return box.clickedButton() == yes;
    }
    bool askProceed(QWidget *parent, const QString &message, const QString &caption,
                    const QString &proceedText) override {
        QMessageBox box(QMessageBox::Warning, caption, message, QMessageBox::NoButton, owner(parent));
        QPushButton *proceed = box.addButton(proceedText, QMessageBox::AcceptRole);
        QPushButton *cancel = box.addButton(QStringLiteral("취소"), QMessageBox::RejectRole);
        box.setDefaultButton(cancel);
        box.setEscapeButton(cancel);
        box.exec();
        return box.clickedButton() == proceed;
    }
    YesNoCancel askYesNoCancel(QWidget *parent, const QString &message, const QString &caption) override {
        QMessageBox box(QMessageBox::Question, caption, message, QMessageBox::NoButton, owner(parent));
        // The one three-way question is whether to save changes before they are dropped.
        QPushButton *yes = box.addButton(QStringLiteral("저장(&S)"), QMessageBox::YesRole);
        QPushButton *no = box.addButton(QStringLiteral("저장 안 함(&N)"), QMessageBox::NoRole);
        QPushButton *cancel = box.addButton(QStringLiteral("취소"), QMessageBox::RejectRole);
        box.setDefaultButton(yes);
        box.setEscapeButton(cancel);
        box.exec();
        if (box.clickedButton() == yes)
            return YesNoCancel::Yes;
        if (box.clickedButton() == no)
            return YesNoCancel::No;
        return YesNoCancel::Cancel;
    }
    int askChoice(QWidget *parent, const QString &message, const QString &caption, const QStringList &buttons,
                  int safeIndex) override {
        QMessageBox box(QMessageBox::Warning, caption, message, QMessageBox::NoButton, owner(parent));
        QList<QPushButton *> added;
        for (const QString &text : buttons)
            added << box.addButton(text, QMessageBox::ActionRole);
        if (safeIndex >= 0 && safeIndex < added.size()) {
            box.setDefaultButton(added.at(safeIndex));
            box.setEscapeButton(added.at(safeIndex));
        }
        box.exec();
        const int chosen = int(added.indexOf(static_cast<QPushButton *>(box.clickedButton())));
        return chosen >= 0 ? chosen : safeIndex;
    }
    void error(QWidget *parent, const QString &message, const QString &caption) override {
        notice(parent, QMessageBox::Critical, caption, message);
    }
    void plain(QWidget *parent, const QString &message, const QString &caption) override {
        notice(parent, QMessageBox::NoIcon, caption, message);
    }
    QString openFile(QWidget *parent, const FileDialogRequest &r) override { return run(parent, r, false); }
    QString saveFile(QWidget *parent, const FileDialogRequest &r) override { return run(parent, r, true); }
    QString chooseFolder(QWidget *parent, const QString &title, const QString &folder) override {
        QFileDialog dialog(owner(parent), title, folder);
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setFileMode(QFileDialog::Directory);
        dialog.setOption(QFileDialog::ShowDirsOnly);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return {};
        return dialog.selectedFiles().constFirst();
    }

    bool printerSetup(QWidget *parent, QPrinter &printer) override {
        QPrintDialog dialog(&printer, owner(parent));
        dialog.setWindowTitle(QStringLiteral("프린터 설정"));
        // The dialog only chooses the printer: its confirm button must not promise to print.
        if (auto *buttons = dialog.findChild<QDialogButtonBox *>())
            if (QPushButton *ok = buttons->button(QDialogButtonBox::Ok))
                ok->setText(QStringLiteral("확인"));
        return dialog.exec() == QDialog::Accepted;
    }

private:
    static QString run(QWidget *parent, const FileDialogRequest &r, bool save) {
        QFileDialog dialog(owner(parent), r.title, r.folder, r.filter);
        // Qt's own dialog: it matches extensions without regard to case ("x.DY5" shows under *.Dy5).
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
        if (!r.defaultSuffix.isEmpty())
            dialog.setDefaultSuffix(r.defaultSuffix);
        const QStringList filters = r.filter.split(QStringLiteral(";;"));
        if (r.filterIndex >= 1 && r.filterIndex <= filters.size())
            dialog.selectNameFilter(filters.at(r.filterIndex - 1));
        // A document never saved has no name to propose; its placeholder name is not a file name.
        if (!r.fileName.isEmpty() && r.fileName != kUnnamedDocumentName)
            dialog.selectFile(r.fileName);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return {};
        return dialog.selectedFiles().constFirst();
    }
};

Prompts *&current() {
    static Prompts *p = nullptr;
    return p;
}

} // namespace

Prompts &prompts() {
    static DialogPrompts dialogs;
    return current() ? *current() : dialogs;
}

void setPrompts(Prompts *p) { current() = p; }

void ShowInfo(const QString &message, QWidget *parent) { prompts().info(parent, message, kAppTitle); }

bool AskYesNo(const QString &message, QWidget *parent) { return prompts().askYesNo(parent, message, kAppTitle); }
