#pragma once
// The register (문서목록): every document file of the work folder and its subfolders in one list, with a
// filter by period, kind and text, sorting by any column, the totals of what is shown, and the VAT-return
// summaries of the period. A double click (or Enter) opens the document in the editor.

#include "document_index.h"
#include "register_filter.h"
#include "sales_summary.h"

#include <QDialog>

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

class RegisterWindow : public QDialog {
    Q_OBJECT
public:
    // Opens a document of the register in the editor; the register is brought up to date afterwards.
    using DocumentOpener = std::function<void(QWidget *parent, const RegisterEntry &entry)>;

    // index: the register's index (not owned); folder: the work folder whose documents are listed.
    RegisterWindow(DocumentIndex &index, const QString &folder, DocumentOpener opener, QWidget *parent = nullptr);
    ~RegisterWindow() override;

    // Reads the folder again (only files changed since are read) and shows the list.
    void reload();

    // What is shown, in the order shown.
    QVector<RegisterEntry> shownEntries() const;
    RegisterFilter currentFilter() const;
    RegisterTotals shownTotals() const;
    // Opens the document in row (of the view) as a double click does.
    void openRow(int row);

    // Period choices of the period box, by their index.
    enum PeriodChoice {
        AllTime = 0, FirstPreliminary, FirstFinal, FirstWhole, SecondPreliminary, SecondFinal, SecondWhole,
        January, December = January + 11, WholeYear, CustomRange
    };
    void choosePeriod(int year, int choice);

    // The VAT-return summary of the chosen period (all tax invoices of the period, whatever the kind and
    // text filters show); none when no period is chosen (the user is told).
    std::optional<SalesSummary> summaryOfPeriod(SummaryKind kind);
    // The summary chosen in the window in the preview (print, PDF) or as a sheet.
    void previewSummary();
    void exportSummary();

private:
    void buildControls();
    void periodChosen();
    void datesEdited();
    void applyFilter();
    void showTotals();
    void showContextMenu(const QPoint &pos);

    DocumentIndex &index_;
    QString folder_;
    DocumentOpener opener_;
    QVector<RegisterEntry> entries_;
    RegisterModel *model_ = nullptr;
    bool settingDates_ = false;

    QComboBox *periodCombo_ = nullptr;
    QSpinBox *yearSpin_ = nullptr;
    QDateEdit *fromDate_ = nullptr, *toDate_ = nullptr;
    QComboBox *kindCombo_ = nullptr;
    QLineEdit *searchEdit_ = nullptr;
    QTableView *table_ = nullptr;
    QLabel *totalsLabel_ = nullptr;
    QLabel *folderLabel_ = nullptr;
    QComboBox *summaryCombo_ = nullptr;
};

} // namespace reg
