// The document file commands: open, save and save as of the tax invoice and statement page and of the
// quotation page, the question before leaving a changed document, and the reset of the work folder.
//
// Opening reads the whole file into a document before anything on screen changes: a file that cannot be
// read leaves the open document, its name and its changed flag as they were. Saving hands the complete
// document to storage, which checks it and replaces the old file only once the new one is whole.
#include "subUnt.h"

#include "HStrGrid.h"
#include "document.h"
#include "invoice_file.h"
#include "prompts.h"
#include "quotation_file.h"
#include "settings.h"
#include "settings_keys.h"
#include "workpath.h"

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

FileDialogRequest invoiceDialog(const TsubUntf &editor, const QString &filter) {
    FileDialogRequest request;
    request.folder = GetWorkPath(kIniFileName);
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

void TsubUntf::openInvoicePath(const QString &path) {
    // The page shown, not the file's extension, decides how the file is loaded.
    const bool statement = sPage->currentIndex() == 1;
    const GridKind page = statement ? GridKind::Statement : GridKind::TaxInvoice;
    const InvoiceLoadResult loaded = LoadInvoiceFile(path, page);

    showInvoiceDocument(loaded.document);
    SetCurFileName(loaded.curFileName);
    Recalculate(true);
    modified_ = false;
    THStringGrid *grid = statement ? gGrid : dGrid;
    grid->setFocus();
    grid->setCurrentCell(1, 0);
}

void TsubUntf::SaveBtnClick() {
    if (!CommitPendingEdit())
        return;
    if (curFileName_ == kUnnamedFile) {
        RnameBtnClick();
        return;
    }
    SaveInvoiceFile(curFileName_, invoiceDocument());
    // The file is written: the document is saved even when its folder cannot become the work folder.
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
    curFileName_ = path;
    SaveBtnClick();
}

// --- Quotation ---

namespace {

FileDialogRequest quotationDialog(const QString &filter) {
    FileDialogRequest request;
    request.folder = GetWorkPath(kIniFileName);
    request.filter = TsubUntf::QtFileFilter(filter);
    request.filterIndex = 1;
    request.defaultSuffix = kQuotationExtension;
    return request;
}

} // namespace

void TsubUntf::kOpenClick() {
    if (!CommitPendingEdit() || !ConfirmDropChanges())
        return;

    FileDialogRequest request = quotationDialog(kQuotationOpenFilter);
    request.title = kOpenTitle;
    const QString path = prompts().openFile(this, request);
    if (path.isEmpty())
        return;
    openQuotationPath(path);
}

void TsubUntf::openQuotationPath(const QString &path) {
    showQuotationDocument(LoadQuotationFile(path));
    SetCurFileName(path);
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
}

void TsubUntf::SavekBtnClick() {
    if (!CommitPendingEdit())
        return;
    if (curFileName_ == kUnnamedFile) {
        RnamekBtnClick();
        return;
    }
    SaveQuotationFile(curFileName_, quotationDocument());
    modified_ = false;
    SetCurFileName(curFileName_);
    NoteSavedDocument(curFileName_, kIniFileName);
    SetWorkPath(curFileName_, kIniFileName);
}

void TsubUntf::RnamekBtnClick() {
    if (!CommitPendingEdit())
        return;
    FileDialogRequest request = quotationDialog(kQuotationSaveFilter);
    request.title = kQuotationSaveAsTitle;
    request.fileName = curFileName_;
    const QString path = prompts().saveFile(this, request);
    if (path.isEmpty())
        return;
    curFileName_ = path;
    SavekBtnClick();
}

void TsubUntf::OpenDocumentFile(const QString &path) {
    if (CurrentKind() == DocumentKind::Quotation)
        openQuotationPath(path);
    else if (CurrentKind() != DocumentKind::Registration)
        openInvoicePath(path);
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
