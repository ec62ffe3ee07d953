// The document file commands: open, save and save as of the tax invoice and statement page and of the
// quotation page, the question before leaving a changed document, and the reset of the work folder.
//
// Opening reads the whole file into a document before anything on screen changes: a file that cannot be
// read leaves the open document, its name and its changed flag as they were. Saving hands the complete
// document to storage, which checks it and replaces the old file only once the new one is whole.
#include "subUnt.h"

#include "HStrGrid.h"
#include "document.h"
#include "document_io.h"
#include "invoice_file.h"
#include "prompts.h"
#include "quotation_file.h"
#include "settings.h"
#include "settings_keys.h"
#include "workpath.h"

#include <QDir>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QTextCursor>

namespace {

const QString kInvoiceOpenFilter = QStringLiteral(
    "세금계산서파일V5.7|*.Dy5|거래명세서파일V5.7|*.Gy5|세금계산서파일V3.5~5.5|*.Dnt|거래명세서파일V3.5~5.5|*.Gnt|"
    "세금계산서파일V3.1|*.Dty|거래명세서파일V3.1|*.Gty");
const QString kInvoiceSaveFilter = QStringLiteral("세금계산서파일|*.Dy5|거래명세서파일|*.Gy5");
const QString kQuotationOpenFilter = QStringLiteral("견적서화일|*.Prc");
const QString kQuotationSaveFilter = QStringLiteral("견적서화일 |*.Prc");
const QString kQuotationExtension = QStringLiteral("Prc");

// Titles of the dialogs; the open dialogs carry the usual one.
const QString kOpenTitle = QStringLiteral("열기");
const QString kInvoiceSaveAsTitle = QStringLiteral("다른 이름으로 저장");
const QString kQuotationSaveAsTitle = QStringLiteral("저장할 새이름을 입력하세요");

} // namespace

QString TsubUntf::QtFileFilter(const QString &filter) {
    const QStringList parts = filter.split(u'|');
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1].trimmed();
        patterns.replace(u';', u' ');
        entries << parts[i] + QStringLiteral(" (") + patterns + u')';
    }
    return entries.join(QStringLiteral(";;"));
}

// --- Tax invoice and transaction statement ---

namespace {

// The work folder the file dialogs open in; a stored one that cannot be used is told before the default
// is used instead.
QString dialogFolder(TsubUntf *editor) {
    QString problem;
    const QString folder = GetWorkPath(kIniFileName, &problem);
    if (!problem.isEmpty())
        ShowInfo(problem, editor);
    return folder;
}

FileDialogRequest invoiceDialog(TsubUntf &editor, const QString &filter) {
    FileDialogRequest request;
    request.folder = dialogFolder(&editor);
    request.filter = TsubUntf::QtFileFilter(filter);
    request.filterIndex = editor.FileDialogFilterIndex();
    request.defaultSuffix = editor.FileDialogExtension();
    return request;
}

} // namespace

void TsubUntf::fOpenClick() {
    // A document with changes may be saved before it is replaced.
    if (!CommitPendingEdit() || !ConfirmDropChanges())
        return;

    FileDialogRequest request = invoiceDialog(*this, kInvoiceOpenFilter);
    request.title = kOpenTitle;
    const QString path = prompts().openFile(this, request);
    if (path.isEmpty())
        return;
    openInvoicePath(path);
}

bool TsubUntf::openInvoicePath(const QString &path) {
    // The page shown, not the file's extension, decides how the file is loaded.
    const bool statement = sPage->currentIndex() == 1;
    const GridKind page = statement ? GridKind::Statement : GridKind::TaxInvoice;
    storage::DocumentLock lock;
    bool readOnly = false;
    if (!lockForOpening(path, lock, readOnly))
        return false;
    // A file that cannot be read releases the new lock and keeps the open document's.
    const InvoiceLoadResult loaded = LoadInvoiceFile(path, page);
    if (lock.holds() || !lock_.holds() || lock_.document() != QFileInfo(path).absoluteFilePath())
        lock_ = std::move(lock);
    readOnly_ = readOnly;

    showInvoiceDocument(loaded.document);
    SetCurFileName(loaded.curFileName);
    rememberFileOnDisk(loaded.curFileName);
    Recalculate(true);
    modified_ = false;
    THStringGrid *grid = statement ? gGrid : dGrid;
    grid->setFocus();
    grid->setCurrentCell(1, 0);
    return true;
}

void TsubUntf::SaveBtnClick() {
    if (!CommitPendingEdit())
        return;
    // A document opened read only is saved under another name.
    if (curFileName_ == kUnnamedFile || readOnly_) {
        RnameBtnClick();
        return;
    }
    saveInvoiceAs(curFileName_);
}

void TsubUntf::saveInvoiceAs(const QString &path) {
    if (!mayOverwrite(path, false))
        return;
    rememberFile(path, SaveInvoiceFile(path, invoiceDocument()));
    holdLockOf(path);
    // The file is written: only now is it the document's name. A refused save keeps the name it had.
    curFileName_ = path;
    modified_ = false;
    SetCurFileName(curFileName_);
    NoteSavedDocument(curFileName_, kIniFileName);
    SetWorkPath(curFileName_, kIniFileName);
}

void TsubUntf::RnameBtnClick() {
    if (!CommitPendingEdit())
        return;
    FileDialogRequest request = invoiceDialog(*this, kInvoiceSaveFilter);
    request.title = kInvoiceSaveAsTitle;
    request.fileName = curFileName_;
    const QString path = prompts().saveFile(this, request);
    if (path.isEmpty())
        return;
    saveInvoiceAs(path);
}

// --- A file changed on disk since it was opened ---

void TsubUntf::rememberFileOnDisk(const QString &path) { rememberFile(path, storage::FingerprintOf(path)); }

void TsubUntf::rememberFile(const QString &path, const storage::FileFingerprint &content) {
    knownFile_ = QFileInfo(path).absoluteFilePath();
    knownExists_ = content.exists;
    knownDigest_ = content.digest;
}

bool TsubUntf::mayOverwrite(const QString &path, bool quotation) {
    // Someone else has the file open (its lock is alive and not this editor's).
    const auto holder = storage::DocumentLock::LiveHolderOf(path, lock_.token());
    // The file this editor read or wrote was replaced since. A save as into another file is not checked:
    // the save dialog asked about replacing it.
    QString changed;
    if (!knownFile_.isEmpty() && QFileInfo(path).absoluteFilePath() == knownFile_) {
        const storage::FileFingerprint now = storage::FingerprintOf(path);
        if (now.exists != knownExists_ || now.digest != knownDigest_)
            changed = now.exists
                          ? QStringLiteral("이 문서를 연 뒤에 다른 사람이나 다른 PC가 파일을 바꾸어 저장했습니다.")
                          : QStringLiteral("이 문서를 연 뒤에 다른 사람이나 다른 PC가 파일을 지우거나 옮겼습니다.");
    }
    if (!holder && changed.isEmpty())
        return true;
    QString message = changed;
    if (holder) {
        const QString openBy =
            QStringLiteral("이 파일은 다른 사용자가 열어 두었습니다: %1").arg(storage::DescribeHolder(*holder));
        message = message.isEmpty() ? openBy : message + u'\n' + openBy;
    }
    message += u'\n' + QDir::toNativeSeparators(path) + QStringLiteral("\n\n");
    message += changed.isEmpty() ? QStringLiteral("덮어쓰면 그쪽에서 저장하는 내용과 서로 덮어쓰게 됩니다. ")
                                 : QStringLiteral("덮어쓰면 그쪽에서 바꾼 내용은 사라집니다. ");
    message += QStringLiteral("다른 이름으로 저장하면 두 쪽이 다 남습니다.");
    const int choice = prompts().askChoice(
        this, message, kAppTitle,
        {QStringLiteral("덮어쓰기(&O)"), QStringLiteral("다른 이름으로 저장(&A)"), QStringLiteral("취소")}, 2);
    if (choice == 0)
        return true;
    if (choice == 1) {
        // The dialog proposes the same name; a name chosen again is asked about again.
        if (quotation)
            RnamekBtnClick();
        else
            RnameBtnClick();
    }
    return false;
}

// --- The lock beside the open document ---

bool TsubUntf::lockForOpening(const QString &path, storage::DocumentLock &lock, bool &readOnly) {
    readOnly = false;
    // The document open here again: its lock is this editor's already.
    if (lock_.holds() && lock_.document() == QFileInfo(path).absoluteFilePath())
        return true;
    if (lock.take(path) != storage::DocumentLock::Outcome::HeldByOther)
        return true; // taken, or no lock can be written there (a read-only folder)
    const int choice = prompts().askChoice(
        this,
        QStringLiteral("이 문서는 다른 사용자가 열어 두었습니다: %1\n%2\n\n"
                       "읽기 전용으로 열면 고친 내용은 다른 이름으로만 저장합니다. "
                       "그래도 열면 두 사람이 같은 파일을 고치게 됩니다.")
            .arg(storage::DescribeHolder(lock.holder()), QDir::toNativeSeparators(path)),
        kAppTitle, {QStringLiteral("읽기 전용으로 열기(&R)"), QStringLiteral("그래도 열기(&O)"), QStringLiteral("취소")}, 2);
    if (choice == 0) {
        readOnly = true;
        return true;
    }
    if (choice == 1) {
        lock.take(path, true);
        return true;
    }
    return false;
}

void TsubUntf::holdLockOf(const QString &path) {
    readOnly_ = false;
    if (lock_.holds() && lock_.document() == QFileInfo(path).absoluteFilePath())
        return;
    storage::DocumentLock lock;
    if (lock.take(path) == storage::DocumentLock::Outcome::Taken)
        lock_ = std::move(lock);
    else
        lock_.release(); // saved over a file another user holds open (after being asked): the lock stays theirs
}

void TsubUntf::dropLock() {
    lock_.release();
    readOnly_ = false;
}

// --- Quotation ---

namespace {

FileDialogRequest quotationDialog(TsubUntf &editor, const QString &filter) {
    FileDialogRequest request;
    request.folder = dialogFolder(&editor);
    request.filter = TsubUntf::QtFileFilter(filter);
    request.filterIndex = 1;
    request.defaultSuffix = kQuotationExtension;
    return request;
}

} // namespace

void TsubUntf::kOpenClick() {
    if (!CommitPendingEdit() || !ConfirmDropChanges())
        return;

    FileDialogRequest request = quotationDialog(*this, kQuotationOpenFilter);
    request.title = kOpenTitle;
    const QString path = prompts().openFile(this, request);
    if (path.isEmpty())
        return;
    openQuotationPath(path);
}

bool TsubUntf::openQuotationPath(const QString &path) {
    storage::DocumentLock lock;
    bool readOnly = false;
    if (!lockForOpening(path, lock, readOnly))
        return false;
    const QuotationDocument document = LoadQuotationFile(path);
    if (lock.holds() || !lock_.holds() || lock_.document() != QFileInfo(path).absoluteFilePath())
        lock_ = std::move(lock);
    readOnly_ = readOnly;
    showQuotationDocument(document);
    SetCurFileName(path);
    rememberFileOnDisk(path);
    // The first memo line is selected, ready to be typed over.
    QTextCursor cursor(fMemo->document());
    cursor.movePosition(QTextCursor::Start);
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    fMemo->setTextCursor(cursor);
    modified_ = false;
    kGrid->setFocus();
    Recalculate(false);
    kGrid->setCurrentCell(1, 1);
    modified_ = false;
    return true;
}

void TsubUntf::SavekBtnClick() {
    if (!CommitPendingEdit())
        return;
    if (curFileName_ == kUnnamedFile || readOnly_) {
        RnamekBtnClick();
        return;
    }
    saveQuotationAs(curFileName_);
}

void TsubUntf::saveQuotationAs(const QString &path) {
    if (!mayOverwrite(path, true))
        return;
    rememberFile(path, SaveQuotationFile(path, quotationDocument()));
    holdLockOf(path);
    curFileName_ = path;
    modified_ = false;
    SetCurFileName(curFileName_);
    NoteSavedDocument(curFileName_, kIniFileName);
    SetWorkPath(curFileName_, kIniFileName);
}

void TsubUntf::RnamekBtnClick() {
    if (!CommitPendingEdit())
        return;
    FileDialogRequest request = quotationDialog(*this, kQuotationSaveFilter);
    request.title = kQuotationSaveAsTitle;
    request.fileName = curFileName_;
    const QString path = prompts().saveFile(this, request);
    if (path.isEmpty())
        return;
    saveQuotationAs(path);
}

bool TsubUntf::OpenDocumentFile(const QString &path) {
    if (CurrentKind() == DocumentKind::Quotation)
        return openQuotationPath(path);
    if (CurrentKind() != DocumentKind::Registration)
        return openInvoicePath(path);
    return false;
}

bool TsubUntf::ShowsPageOf(int pageKind, bool statement) const {
    if (pageKind_ != pageKind || pageKind == pkRegistration)
        return false;
    return pageKind != pkInvoiceOrStatement || (sPage->currentIndex() == 1) == statement;
}

bool TsubUntf::OpenFromDesktop(const QString &path) {
    if (!CommitPendingEdit() || !ConfirmDropChanges())
        return false;
    return OpenDocumentFile(path);
}

bool TsubUntf::CloseForAnotherDocument() {
    reject();
    return !isVisible();
}

// --- Work folder ---

void TsubUntf::OpenRClick() {
    const QString current = keys::read(keys::wPath, QStringLiteral("A:"));
    const QString reset = DataFolder() + QStringLiteral("Work/");
    const QString question = QStringLiteral("현재 파일 입/출력 경로 ") + current + QStringLiteral("를\n\n") + reset +
                             QStringLiteral("로 변경하겠습니까??");
    if (AskYesNo(question, this))
        keys::write(keys::wPath, reset);
}
