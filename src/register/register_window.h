#pragma once
// The register (문서목록): every document file of the register's folder and its subfolders in one list,
// with a filter by period, kind and text, sorting by any column, the totals of what is shown, and the
// VAT-return summaries of the period. A double click (or Enter) opens the document in the editor.
//
// The register's folder is its own (it does not follow the folder a document was last saved in): shown at
// the top, with a button to choose another. What could not be read is listed with the reason; a summary
// of a period while anything could not be read is made only when the user says so. The user's choices per
// document are kept beside the documents (choice_store.h).

#include "choice_store.h"
#include "document_index.h"
#include "register_filter.h"
#include "sample_supplier.h"
#include "sales_summary.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QStringList>

#include <functional>
#include <memory>

class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTableView;

namespace reg {

class RegisterModel;

// Where the register looks, and what it is told about the documents saved elsewhere.
struct RegisterPlace {
    QString folder;             // the register's folder
    QStringList savedDocuments; // documents this program saved lately, in any folder
    // Keeps a folder the user chose for the register (nothing when not given).
    std::function<void(const QString &folder)> folderChosen;
    // A note to show at the top (for example that the index is kept in memory only).
    QString notice;
    // The registered business, which submits the summaries.
    Party supplier = sample::Supplier();
    // Its e-mail for electronic tax invoices (the registration page's); may be empty.
    QString supplierEmail;
};

class RegisterWindow : public QDialog {
    Q_OBJECT
public:
    // Opens a document of the register in the editor; the register is brought up to date afterwards.
    using DocumentOpener = std::function<void(QWidget *parent, const RegisterEntry &entry)>;

    // index: the register's index (not owned); place: the folder whose documents are listed.
    RegisterWindow(DocumentIndex &index, RegisterPlace place, DocumentOpener opener, QWidget *parent = nullptr);
    RegisterWindow(DocumentIndex &index, const QString &folder, DocumentOpener opener, QWidget *parent = nullptr);
    ~RegisterWindow() override;

    // Reads the folder again (only files changed since are read) and shows the list; the window does it
    // itself once it is first shown. A refresh that takes
    // longer than half a second shows its progress and can be stopped; the list stays as it was then.
    // Returns false when the folder could not be read (the user has been told) or the reading was stopped.
    bool reload();
    // Lets the user choose the register's folder, then lists it.
    void chooseFolder();
    const QString &folder() const { return place_.folder; }

    // Puts a tax invoice into a summary (or back to the automatic choice). An invoice with tax cannot go to
    // the summary of invoices without tax: the user is told why and nothing changes.
    void setSummaryChoice(const QString &path, SummaryChoice choice);

    // What is shown, in the order shown.
    QVector<RegisterEntry> shownEntries() const;
    RegisterFilter currentFilter() const;
    RegisterTotals shownTotals() const;
    // Opens the document in row (of the view) as a double click does.
    void openRow(int row);

    // Period choices of the period box, by their index.
    enum PeriodChoice {
        AllTime = 0,
        FirstPreliminary,
        FirstFinal,
        FirstWhole,
        SecondPreliminary,
        SecondFinal,
        SecondWhole,
        January,
        December = January + 11,
        WholeYear,
        CustomRange
    };
    void choosePeriod(int year, int choice);

    // The VAT-return summary of the chosen period (all tax invoices of the period, whatever the kind and
    // text filters show), from the files as they are now; none when no period is chosen (the user is
    // told), when the folder cannot be read, or when something could not be read and the user chose not to
    // go on without it.
    std::optional<SalesSummary> summaryOfPeriod(SummaryKind kind);
    // The summary chosen in the window in the preview (print, PDF) or as a sheet.
    void previewSummary();
    void exportSummary();

    // The National Tax Service's bulk-issue files (전자발급 파일) of the tax invoices selected, or of all
    // shown when none is selected, within the chosen period: the check's list of what the service would
    // refuse first, the files written into a folder the user chooses, then the question whether they were
    // issued on the site, which marks them. Returns the files written.
    QStringList bulkIssueFile();
    // Marks documents as issued electronically (or not); the summaries count them in the electronic rows.
    void setElectronic(const QStringList &paths, bool issued);
    // The e-mail kept for a buyer (by the digits of the registration number).
    void editBuyerEmail(const RegisterEntry &entry);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void buildControls();
    void periodChosen();
    void datesEdited();
    void applyFilter();
    void showTotals();
    void showFolder();
    void showContextMenu(const QPoint &pos);
    void applyChoices();

    DocumentIndex &index_;
    RegisterPlace place_;
    ChoiceStore choices_;
    DocumentOpener opener_;
    QVector<RegisterEntry> entries_;
    RegisterModel *model_ = nullptr;
    bool settingDates_ = false;
    // The list is read again when the program comes back to the front (the user was in another program,
    // perhaps while another PC saved into the folder), unless it was read a moment ago.
    bool reloading_ = false;
    QElapsedTimer sinceReload_;
    bool listedOnce_ = false;

    QComboBox *periodCombo_ = nullptr;
    QSpinBox *yearSpin_ = nullptr;
    QDateEdit *fromDate_ = nullptr, *toDate_ = nullptr;
    QComboBox *kindCombo_ = nullptr;
    QLineEdit *searchEdit_ = nullptr;
    QTableView *table_ = nullptr;
    QLabel *totalsLabel_ = nullptr;
    QLabel *folderLabel_ = nullptr;
    QLabel *outsideLabel_ = nullptr;
    QComboBox *summaryCombo_ = nullptr;
};

} // namespace reg
