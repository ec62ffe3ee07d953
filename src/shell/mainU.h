#pragma once
// The main window Tmainf: a launcher. Three grouped buttons choose the document kind and open the editor
// modally; the user button opens the editor on the supplier registration page; the other buttons show
// help, the download page, the about box, the printer set-up, the calculator, minimise and quit.

#include <QWidget>

#include <functional>

class QButtonGroup;
class QFrame;
class QLabel;
class QToolButton;

class Tmainf : public QWidget {
    Q_OBJECT
public:
    // Opens the editor modally on pageKind (0 registration, 1 tax invoice or statement, 2 quotation);
    // statementButtonDown tells page 1 to show the statement.
    using EditorLauncher =
        std::function<void(QWidget *mainWindow, int pageKind, bool statementButtonDown, int captionAdj)>;

    explicit Tmainf(EditorLauncher launcher, QWidget *parent = nullptr);

    // Opens the register of documents (문서목록) modally over the main window.
    using RegisterLauncher = std::function<void(QWidget *mainWindow, int captionAdj)>;
    void setRegisterLauncher(RegisterLauncher launcher) { registerLauncher_ = std::move(launcher); }

    int PageKind() const { return pageKind_; }
    int CaptionAdj() const { return captionAdj_; }

    // Caption height of the window system's title bar; CaptionAdj is 7 below 22 pixels.
    static int CaptionAdjFor(int captionHeight) { return captionHeight < 22 ? 7 : 0; }

    // The status bar's hint panel.
    QString hintText() const;

public slots:
    void UserBtnClick(QObject *sender);
    void QuitBtnClick();
    void HelpBtnClick();
    void ShowHelpPage(const QString &pageName);
    void Hinfo1Click();
    void PrtStupClick();
    void KelBtnClick();
    void dDTZIPClick();
    void wsMinbtnClick();
    void KMR1Click();
    void RegBtnClick();

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool event(QEvent *event) override;

private:
    QToolButton *makeButton(const char *name, const QString &hint, QWidget *parent);
    void setDocumentButtonsFlat(bool flat);
    void FormResize();
    void showHint(const QString &longHint);

    EditorLauncher launcher_;
    RegisterLauncher registerLauncher_;
    int pageKind_ = 0;
    int captionAdj_ = 0;
    bool quitConfirmed_ = false;

    QFrame *TopPnl = nullptr;
    QButtonGroup *group_ = nullptr;
    QToolButton *duty1Btn = nullptr, *duty2Btn = nullptr, *duty3Btn = nullptr, *TmpBtn = nullptr;
    QToolButton *RegBtn = nullptr;
    QToolButton *UserBtn = nullptr, *HelpBtn = nullptr, *PrtStup = nullptr, *dDTZIP = nullptr;
    QToolButton *KelBtn = nullptr, *Hinfo1 = nullptr, *QuitBtn = nullptr;
    QToolButton *mExit0 = nullptr, *wsMinbtn = nullptr;
    QFrame *mBevel = nullptr;
    QLabel *ZImage = nullptr;
    QLabel *TitleLabel = nullptr;
    QLabel *msgPanel0_ = nullptr, *msgPanel1_ = nullptr;
};

// The maker's home page and the form-level hint shown when no control has one.
QString HomePageAddress();
// The program's version as the about box shows it, "V" and the build's version: "V5.7".
QString ProgramVersionText();
QString FormHint();
