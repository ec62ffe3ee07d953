#pragma once
// Every question and notice to the user, and every file dialog, goes through one Prompts object, so
// that tests can script the answers instead of a person.

#include <QString>
#include <QStringList>

class QPrinter;
class QWidget;

inline const QString kAppTitle = QStringLiteral("켈모르소프트 세금계산서");

enum class YesNoCancel { Yes, No, Cancel };

struct FileDialogRequest {
    QString title;
    QString folder;        // where the dialog starts
    QString fileName;      // proposed name
    QString filter;        // "세금계산서 (*.Dy5);;모든 파일 (*)"
    int filterIndex = 1;   // 1-based, as the filter list reads
    QString defaultSuffix; // added to a typed name without one
};

class Prompts {
public:
    virtual ~Prompts() = default;
    // Information icon, OK button.
    virtual void info(QWidget *parent, const QString &message, const QString &caption) = 0;
    // Confirmation icon, Yes and No; true on Yes.
    virtual bool askYesNo(QWidget *parent, const QString &message, const QString &caption) = 0;
    // Warning icon, a button named proceedText and 취소, which is the default (Enter and closing the box
    // choose it): a question whether to go on with something that may be incomplete. True on proceed.
    virtual bool askProceed(QWidget *parent, const QString &message, const QString &caption,
                            const QString &proceedText) = 0;
    // Confirmation icon, Yes, No and Cancel (shown as 저장, 저장 안 함, 취소: the question is whether to save
    // changes before they are dropped); closing the box is Cancel.
    virtual YesNoCancel askYesNoCancel(QWidget *parent, const QString &message, const QString &caption) = 0;
    // Warning icon, one button per text of buttons (in that order); the button at safeIndex is the
    // default, and Escape or closing the box chooses it. Returns the index of the button chosen.
    virtual int askChoice(QWidget *parent, const QString &message, const QString &caption, const QStringList &buttons,
                          int safeIndex) = 0;
    // Error icon, OK button: failures of a command.
    virtual void error(QWidget *parent, const QString &message, const QString &caption) = 0;
    // A plain box without icon.
    virtual void plain(QWidget *parent, const QString &message, const QString &caption) = 0;
    // The chosen full path, or empty when the dialog was cancelled.
    virtual QString openFile(QWidget *parent, const FileDialogRequest &request) = 0;
    virtual QString saveFile(QWidget *parent, const FileDialogRequest &request) = 0;
    // A folder chosen in a folder dialog that starts at folder, or empty when it was cancelled.
    virtual QString chooseFolder(QWidget *parent, const QString &title, const QString &folder) = 0;
    // The printer set-up dialog on printer; true when the user confirmed a choice.
    virtual bool printerSetup(QWidget *parent, QPrinter &printer) = 0;
};

// The prompts in use: message boxes and file dialogs unless a test installed its own.
Prompts &prompts();
// Installs p (not owned) in place of the dialogs; nullptr restores them.
void setPrompts(Prompts *p);

void ShowInfo(const QString &message, QWidget *parent = nullptr);
bool AskYesNo(const QString &message, QWidget *parent = nullptr);
