#pragma once
// TsubUntf: the editor window. One window serves the supplier registration and the three document kinds;
// the main window creates it for one page kind, shows it modally and deletes it afterwards.
//
// The window is split by concern:
//   subUnt.cpp          frame: construction, placement, title, dragging, closing, keyboard menu
//   subUntPages.cpp     construction of the four pages and their controls
//   subUntGrids.cpp     item grid set-up: columns, widths, header row, empty lines
//   subUntDocument.cpp  new documents, clearing, the save questions, recalculation command, help
//   subUntDocumentValues.cpp  the controls as document values and back
//   subUntFiles.cpp     open, save and save as of the documents, the work folder reset
//   subUntExport.cpp    the spreadsheet export buttons
//   subUntPrint.cpp     the print command
//
// Conventions every file keeps:
// - Every control carries its component name as its objectName, so findChild<T>(name) finds it.
// - Each field's Enter-order number is its "Tag" property (int).
// - Grids are THStringGrid with row 0 as the fixed header row: cell (row, col) of the grid is the item
//   line `row` of the document (rows 1..5, 1..30, 1..20), exactly as the document rows are numbered.
// - The document kind is the page of mPage and, on page 1, the page of sPage (see CurrentKind()).

#include "document.h"
#include "document_io.h"
#include "document_lock.h"
#include "prompts.h"

#include <QDialog>
#include <QPointer>
#include <QString>

#include <functional>

class Money;
class QAbstractButton;
class QAction;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QRadioButton;
class QStackedWidget;
class QToolButton;
class THStringGrid;
class TChkEdit;

// The page the editor opens on (set by the main window).
enum PageKind { pkRegistration = 0, pkInvoiceOrStatement = 1, pkQuotation = 2 };

enum class DocumentKind { Registration, TaxInvoice, Statement, Quotation };

// The answer to the quotation's save question.
using SaveAnswer = YesNoCancel;

// The name of a document that was never saved.
inline const QString kUnnamedFile = QStringLiteral("이름없음");

class TsubUntf : public QDialog {
    Q_OBJECT

public:
    TsubUntf(QWidget *mainWindow, int pageKind, bool statementButtonDown, int captionAdj);
    ~TsubUntf() override;

    // --- State read by the main window, storage, printing and export ---
    DocumentKind CurrentKind() const;
    int PageKindValue() const { return pageKind_; }
    const QString &CurFileName() const { return curFileName_; }
    // Whether the open document was opened read only, its lock being another user's.
    bool ReadOnly() const { return readOnly_; }
    // Sets the file name and shows it in the page's file-name label.
    void SetCurFileName(const QString &name);
    bool Modified() const { return modified_; }
    void SetModified(bool modified) { modified_ = modified; }
    // 0 tax invoice, 1 transaction statement, 2 quotation; set just before the print dialog opens.
    int PrintPageIndex() const { return printPageIndex_; }
    // Default extension and filter index of the open and save dialogs on page 1 ("Dy5"/1, "Gy5"/2).
    const QString &FileDialogExtension() const { return fileExt_; }
    int FileDialogFilterIndex() const { return fileFilterIndex_; }
    // The print dialog while it exists; open, new, save and print commands do nothing meanwhile.
    QDialog *PrtUntf() const { return prtUntf_; }
    void SetPrtUntf(QDialog *dialog) { prtUntf_ = dialog; }

    // The documents as plain values (subUntDocumentValues.cpp): what storage, printing and export read,
    // and what loading shows. Page 1's document is of the sub-page shown (tax invoice or statement).
    // Reading raises NumberConversionError, naming the field, for a payment that is not a number;
    // showing raises, changing nothing, for an amount its column cannot hold.
    InvoiceDocument invoiceDocument() const;
    void showInvoiceDocument(const InvoiceDocument &document);
    QuotationDocument quotationDocument() const;
    void showQuotationDocument(const QuotationDocument &document);

    // The window's bounds and title for a page, placed relative to the main window's frame (T, L, W).
    struct Placement {
        QRect bounds;
        QString title;
    };
    static Placement PlacementFor(DocumentKind kind, const QRect &mainFrame, int captionAdj);

    // --- Commands ---
    // Prepares the page the editor opened on: placement, a new document or the registration record.
    void FormShow();
    // New tax invoice or statement (새문서): asks about unsaved changes, then empties the buyer, the book
    // numbers and the lines, puts today's dates and the registered supplier.
    void NewfileClick();
    // New quotation, as NewfileClick does for page 1.
    void NewkfileClick();
    // Empties the buyer or recipient fields and the item lines of the page shown; dates become today.
    void ClearDocumentFields();
    // Empties the item grid of the page shown (every amount 0).
    void ClearItemGrids();
    // The quotation's save question (저장 / 저장 안 함 / 취소); 저장 saves.
    SaveAnswer AskSaveQuotation();
    // The tool-bar icon 재계산: finishes the cell being edited, recomputes lines and totals, says so.
    void GridCalClick();
    // F1: the help page of the page shown.
    void mHelpClick();
    // The "x" of the title strip: closes the editor after the question about unsaved changes.
    void mExit0Click();
    // Keyboard menu: Alt+O opens, Alt+N starts a new document, Alt+S or Ctrl+S saves, on the page shown; none of
    // them runs while the print dialog is open.
    void N1Click();
    void N2Click();
    void N3Click();
    // The print icon: the print dialog of the page shown, on the document as it stands.
    void PrtBtnClick();
    // The calculator icon: starts the calculator.
    void KMR1Click();

    // Derives line amounts and totals of the current kind.
    void Recalculate(bool keepSupply);

    // Finishes the edit of the grid cell being edited as Enter does, so that what is typed is what the
    // command reads. False when the typed text cannot stand: the message has been shown, the cell editor
    // holds the text again, and the command stops.
    bool CommitPendingEdit();
    // Before a command drops the document's unsaved changes (a new document, another file, closing):
    // asks whether to save them. False when the command must stop: the answer was 취소, or the save was
    // not made. On the registration page, and without changes, nothing is asked.
    bool ConfirmDropChanges();

    // Document files (subUntFiles.cpp) and the spreadsheet export (subUntExport.cpp).
    // Open (열기), save (저장) and save as (다른 이름으로 저장) of page 1 (tax invoice, statement) ...
    void fOpenClick();
    void SaveBtnClick();
    void RnameBtnClick();
    // ... and of page 2 (quotation).
    void kOpenClick();
    void SavekBtnClick();
    void RnamekBtnClick();
    // The tool-bar icon 엑셀전송: the document shown, as a sheet in the spreadsheet program.
    void ExlBtnClick();
    // Alt+R: offers to make the default work folder the work folder again.
    void OpenRClick();
    // Opens the file on the page shown, as the open command does after its file dialog (the register's
    // double click). False when it was not opened: the user chose not to open a document another user
    // has open (a file that cannot be read raises IoError).
    bool OpenDocumentFile(const QString &path);
    // A document handed over from the desktop (`zaruziz FILE`): whether this editor shows its page
    // (pageKind 1 with the statement or the tax invoice, or 2); opening it here, after the cell being edited
    // is finished and unsaved changes asked about (false when the user kept the document shown); closing
    // this editor for a document of another page (false when the user kept it open).
    bool ShowsPageOf(int pageKind, bool statement) const;
    bool OpenFromDesktop(const QString &path);
    bool CloseForAnotherDocument();

    // file and export commands
    // The export of page 1 (tax invoice or statement, by sPage) and of page 2 (quotation); ExlBtnClick,
    // the handler of both buttons, runs the one of the page shown.
    void ExlBtn0Click();
    void ExlBtn2Click();
    // A file dialog filter written as "description|pattern|description|pattern..." (patterns of one entry
    // separated by ";") in the dialog's own form "description (pattern);;description (pattern)...".
    static QString QtFileFilter(const QString &filter);
    // end of file and export commands

    // The help page name of the current kind.
    QString HelpPageName() const;

    // Registration page: 확인 writes the supplier record and closes (msOk0Click); the seal picture's path
    // changed shows the picture (imgDirChange); the 찾기 button chooses a picture file (imgDirBrowse).
    void msOk0Click();
    void imgDirChange();
    void imgDirBrowse();

    // Closing the editor: the cell being edited is finished and unsaved changes are asked about first.
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;
    // Escape does not close the editor: closing is a button's or the menu's decision.
    void keyPressEvent(QKeyEvent *event) override;

private:
    // subUntPages.cpp
    void buildFrame();
    QWidget *buildRegistrationPage();
    QWidget *buildDocumentPage();
    QWidget *buildQuotationPage();
    QWidget *buildToolPanel(bool quotation);
    QWidget *buildPartyPanel();
    QWidget *buildInvoiceHeaderPanel();
    QWidget *buildStatementHeaderPanel();
    QWidget *buildInvoiceSheet();
    QWidget *buildStatementSheet();
    QWidget *buildQuotationHeader();
    void buildKeyboardMenu();
    // subUntGrids.cpp
    void setUpInvoiceGrid();
    void setUpStatementGrid();
    void setUpQuotationGrid();
    // subUntDocument.cpp
    void fillRegistrationPage();
    // subUntRegistration.cpp: tells the user why the seal picture at path cannot be used (nothing when it
    // can), and remembers path as judged.
    void tellSealProblem(const QString &path);
    // The seal picture path last judged (or the one the page opened with): 적용 judges only another one.
    QString sealPathJudged_;
    void showFileName();
    // subUntFiles.cpp: loading a chosen file onto the page shown.
    bool openInvoicePath(const QString &path);
    bool openQuotationPath(const QString &path);
    // Saves the document shown as path, which becomes its name once the file is written.
    void saveInvoiceAs(const QString &path);
    // (saveInvoiceAs and saveQuotationAs ask before overwriting a file changed on disk since.)
    void saveQuotationAs(const QString &path);
    // subUnt.cpp
    void place(DocumentKind kind);
    // Runs a command through the application's error handler when a button or a key triggers it.
    void bindCommand(QAbstractButton *button, void (TsubUntf::*command)());
    void bindCommand(QAction *action, void (TsubUntf::*command)());
    void runCommand(void (TsubUntf::*command)());

    QWidget *mainWindow_;
    int pageKind_;
    bool statementButtonDown_;
    int captionAdj_;
    bool shown_ = false;

    QString curFileName_ = kUnnamedFile;
    // The file this editor last read or wrote, and what it held then: a save over it first makes sure
    // nobody (another PC on a shared folder) has replaced it since.
    QString knownFile_;
    QByteArray knownDigest_;
    bool knownExists_ = false;
    void rememberFileOnDisk(const QString &path);
    void rememberFile(const QString &path, const storage::FileFingerprint &content);
    // Whether the save into path may go on: true unless the file changed on disk and the user chose to
    // save under another name (which then happens) or to cancel.
    bool mayOverwrite(const QString &path, bool quotation);
    // The lock beside the open document, telling other users of a shared folder that it is open here; a
    // document whose lock another user holds may be opened read only (saved under another name only).
    storage::DocumentLock lock_;
    bool readOnly_ = false;
    // Takes the lock of the document about to be opened into lock, asking what to do when another user
    // holds it. False when the user would rather not open it.
    bool lockForOpening(const QString &path, storage::DocumentLock &lock, bool &readOnly);
    // After a save into path: the lock moves to that file.
    void holdLockOf(const QString &path);
    void dropLock();
    bool modified_ = false;
    int printPageIndex_ = 0;
    QString fileExt_;
    int fileFilterIndex_ = 1;
    QPointer<QDialog> prtUntf_;

    // Frame
    QLabel *TopTitle = nullptr;
    QToolButton *mExit0 = nullptr;
    QStackedWidget *mPage = nullptr;
    QMenu *PupMu = nullptr;
    QAction *N1 = nullptr, *N2 = nullptr, *N3 = nullptr, *N21 = nullptr, *N4 = nullptr;
    // Page 1
    QToolButton *mClose1 = nullptr;
    QLabel *fNameLabl = nullptr;
    QFrame *fnameBevl = nullptr;
    QWidget *mPanl2 = nullptr, *mPanl3 = nullptr;
    QStackedWidget *sPage = nullptr, *xPage = nullptr;
    QComboBox *Gbn = nullptr;
    QLineEdit *aSaNo = nullptr, *aSangho = nullptr, *aName = nullptr, *aAddr = nullptr, *aUpTea = nullptr,
              *aUpJong = nullptr;
    QLineEdit *bSaNo = nullptr, *JuMinNo = nullptr, *bSangho = nullptr, *bName = nullptr, *bAddr = nullptr,
              *bUpTea = nullptr, *bUpJong = nullptr;
    QLineEdit *DayEdt = nullptr, *DtyfNo = nullptr, *DtyeNo = nullptr, *DtysNo = nullptr;
    QLineEdit *grDay = nullptr, *grEdit = nullptr;
    QLineEdit *Totmy = nullptr, *Cashmy = nullptr, *Checkmy = nullptr, *Billmy = nullptr, *Creditmy = nullptr;
    QLineEdit *gTotEdt = nullptr, *gMnyEdt = nullptr, *gVatEdt = nullptr;
    QRadioButton *rBtn1 = nullptr, *rBtn2 = nullptr;
    THStringGrid *dGrid = nullptr, *gGrid = nullptr;
    TChkEdit *ckBsinsNo = nullptr, *ChkJumin = nullptr;
    // Page 2
    QToolButton *mClose2 = nullptr;
    QLabel *kNameLabl = nullptr;
    QFrame *knameBevl = nullptr;
    QLineEdit *SangHoEdt = nullptr, *mTelEdit = nullptr, *NameEdt = nullptr, *AddrEdt = nullptr, *Day1Edt = nullptr,
              *Day2Edt = nullptr;
    QPlainTextEdit *fMemo = nullptr;
    QLabel *MsgLabel = nullptr;
    THStringGrid *kGrid = nullptr;
    // Page 0
    QLineEdit *SanghoEdit = nullptr, *NameEdit = nullptr, *TelEdit = nullptr, *UpteaEdit = nullptr,
              *UpjongEdit = nullptr, *SanoEdit = nullptr, *AddrEdit = nullptr, *MailEdit = nullptr,
              *imgDir = nullptr;
    QRadioButton *dojOk = nullptr, *dojVoid = nullptr;
    QLabel *dojmge = nullptr;

    // grid and field behaviour
    // subUntGridKeys.cpp: the keys, clicks, cell selection, focus and cell editor of the item grids;
    // subUntFields.cpp: Enter order, character filters, checks on leaving a field, change handlers;
    // subUntRegistration.cpp: the registration page; subUntDocument.cpp: Recalculate and the totals.
public:
    // The special character picker that F11 opens in the grids and the name fields. It leaves the chosen
    // text on the clipboard, or "Non" when cancelled. Tests put a scripted picker here.
    static std::function<void()> SpecialCharsHook;
    // Shows supply sum S and tax sum V: Totmy and gTotEdt (S + V), gMnyEdt (S), gVatEdt (V), the digit boxes
    // La1..La11 with the blank count La12, and Lb1..Lb10. Sums the boxes cannot hold show "#" in red.
    void ShowInvoiceTotals(Money supply, Money tax);

private:
    friend class GridBehaviour;
    friend class FieldBehaviour;
    // subUntBuyerBook.cpp: buyer fields and item names offered from earlier documents.
    friend class BuyerBookBehaviour;
    void installBuyerBook();
    void installGridBehaviour(THStringGrid *grid, GridKind kind);
    void detachGridBehaviour();
    void installFieldBehaviour();
    bool fieldBehaviourInstalled_ = false;
    QList<QLabel *> digitBoxes_; // La1..La12, Lb1..Lb10
    // end of grid and field behaviour
};
