#pragma once
// The print dialog TPrtUntf: one page per document kind with its options, kept (PrintChoices) by "확인"
// before the print job runs. The dialog stays open after a job so the document can be printed
// again with other options; "취소" or "x" closes it.

#include "print_options.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QToolButton;
class TBitCheckBox;

class TPrtUntf : public QDialog {
    Q_OBJECT
public:
    // Runs the print job of the confirmed page; errors it raises are shown by the general error handler.
    using PrintRunner = std::function<void(const PrintOptions &)>;

    // Keeps the choices of a confirmed page for the next time; errors it raises are shown, and stop the job.
    using ChoiceKeeper = std::function<void(PrintPage page, const PrintChoices &choices)>;

    // editor: the window the dialog is centred on; lastStatementLine: the last filled line of the
    // statement (the layouts the statement page offers depend on it); choices: what the controls show
    // first; keep: called on "확인" with the choices the page shows then.
    TPrtUntf(QWidget *editor, int printPageIndex, int lastStatementLine, PrintRunner runner,
             const PrintChoices &choices = PrintChoices(), ChoiceKeeper keep = ChoiceKeeper());
    ~TPrtUntf() override;

    // The dialog while it exists (PrtUntf), else nullptr: the editor's open, new, save and print
    // commands do nothing while it is set.
    static TPrtUntf *instance();

    int pageIndex() const { return pageIndex_; }
    // The options the controls of page show now (offsets read as whole numbers where they can be).
    PrintOptions currentOptions() const;

public slots:
    void PrvFrm0Click();
    void PrvFrm1Click();
    void PrtARadio1Click();
    void misuCkClick();
    void mOk0Click();
    void mOk1Click();
    void mOk2Click();
    void mExit0Click();
    void mHelpClick();
    // "취소", "x" and Escape. While a job waits on its preview, the preview is closed and the dialog
    // closes when the job has ended.
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildTitle();
    QWidget *buildPage0();
    QWidget *buildPage1();
    QWidget *buildPage2();
    void FormShow();
    // The controls of the page shown from the choices, and the choices from them on "확인" (kept).
    void loadSettings();
    void keepChoices();
    // Checks the page's margin offsets; shows a message and returns false when one is not a whole number.
    bool offsetsAreWholeNumbers(QLineEdit *top, QLineEdit *left);
    void runJob(const PrintOptions &options);
    // The "확인" of the page shown.
    QPushButton *okButton() const;

    QWidget *editor_;
    int pageIndex_;
    int lastStatementLine_ = 0;
    PrintRunner runner_;
    PrintChoices choices_;
    ChoiceKeeper keep_;
    bool running_ = false;
    bool closeAfterJob_ = false;

    QLabel *TopTitle = nullptr;
    QToolButton *mExit0 = nullptr;
    QStackedWidget *mPage = nullptr;

    // Page 0, tax invoice.
    QCheckBox *PrvCheck0 = nullptr, *PrvFrm0 = nullptr, *dojOk0 = nullptr;
    QLineEdit *TopEdt0 = nullptr, *LftEdt0 = nullptr, *ptMsg0 = nullptr;
    TBitCheckBox *PakdayChek = nullptr, *pKind0 = nullptr;
    QRadioButton *PrtARadio0 = nullptr, *PrtBRadio0 = nullptr;
    QPushButton *mOk0 = nullptr, *mVoide0 = nullptr;

    // Page 1, transaction statement.
    QCheckBox *PrvCheck1 = nullptr, *PrvFrm1 = nullptr, *dojOk1 = nullptr, *misuCk = nullptr;
    QLineEdit *TopEdt1 = nullptr, *LftEdt1 = nullptr, *ptMsg1 = nullptr, *Mismny = nullptr;
    TBitCheckBox *pKind1 = nullptr;
    QFrame *DtyPnl = nullptr, *misuPnl = nullptr;
    QRadioButton *RadioPtypeA = nullptr, *RadioPtypeB = nullptr;
    QRadioButton *PrtARadio1 = nullptr, *PrtBRadio1 = nullptr;
    QPushButton *mOk1 = nullptr, *mVoide1 = nullptr;

    // Page 2, quotation.
    QCheckBox *PrvCheck2 = nullptr, *dojOk2 = nullptr;
    QLineEdit *TopEdt2 = nullptr, *LftEdt2 = nullptr;
    QPushButton *mOk2 = nullptr, *mVoide2 = nullptr;
};
