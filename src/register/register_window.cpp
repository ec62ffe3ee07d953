#include "register_window.h"

#include "arithmetic.h"
#include "bulk_issue.h"
#include "codec.h"
#include "commands.h"
#include "errors.h"
#include "invoice_file.h"
#include "current_printer.h"
#include "look.h"
#include "prevUnt.h"
#include "prompts.h"
#include "summary_form.h"
#include "summary_sheet.h"
#include "money.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QDir>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QMenu>
#include <QProgressDialog>
#include <QPushButton>
#include <QScopeGuard>
#include <QSpinBox>
#include <QTableView>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <limits>

namespace reg {

namespace {

enum Column {
    ColKind,
    ColDate,
    ColNumber,
    ColBuyer,
    ColBuyerNumber,
    ColSupply,
    ColTax,
    ColTotal,
    ColItems,
    ColFile,
    ColModified,
    ColNote,
    ColumnCount
};

QString wonText(qint64 won) { return TotalText(Money::fromWon(won)); }

QString numberText(const RegisterEntry &e) {
    if (e.book.isEmpty())
        return e.serial;
    if (e.serial.isEmpty())
        return e.book;
    return e.book + QStringLiteral(" / ") + e.serial;
}

QString noteText(const RegisterEntry &e) {
    switch (e.type) {
    case EntryType::UnreadableFolder: return QStringLiteral("읽을 수 없는 폴더: ") + e.error;
    case EntryType::FolderLoop: return QStringLiteral("폴더 연결: ") + e.error;
    case EntryType::Document: break;
    }
    if (!e.readable())
        return QStringLiteral("읽을 수 없음: ") + e.error;
    QString note;
    if (!e.supersededBy.isEmpty())
        note = QStringLiteral("%1 파일이 대신함 (합계에 넣지 않음)").arg(QFileInfo(e.supersededBy).fileName());
    else if (e.kind == DocKind::TaxInvoice && e.tax == 0 && e.summary == SummaryChoice::TaxInvoice)
        note = QStringLiteral("세금계산서합계표에 넣음 (영세율)");
    if (e.electronic && e.supersededBy.isEmpty())
        note += (note.isEmpty() ? QString() : QStringLiteral(", ")) + QStringLiteral("전자발급");
    if (e.olderFormat)
        note += (note.isEmpty() ? QString() : QStringLiteral(", ")) + QStringLiteral("이전 형식");
    return note;
}

// Outside the document a resident registration number shows only its birth date and sex.
QString buyerNumberShown(const RegisterEntry &e) {
    return e.buyerKind == BuyerKind::Individual ? MaskedRegistrationNumber(e.buyerNumber) : e.buyerNumberText();
}

QString kindText(const RegisterEntry &e) {
    return e.type == EntryType::Document ? KindName(e.kind) : QStringLiteral("폴더");
}

QString kindTotalsText(const KindTotals &k, bool withTax) {
    QString text = QStringLiteral("%1건 공급가액 %2").arg(k.documents).arg(wonText(k.supply));
    if (withTax)
        text += QStringLiteral(" 세액 %1 합계 %2").arg(wonText(k.tax), wonText(k.total()));
    return text;
}

} // namespace

// The shown entries as table rows; sorting reorders the shown indexes.
class RegisterModel : public QAbstractTableModel {
public:
    explicit RegisterModel(const QVector<RegisterEntry> &entries, QObject *parent)
        : QAbstractTableModel(parent), entries_(entries) {}

    void setShown(QVector<int> shown) {
        beginResetModel();
        shown_ = std::move(shown);
        sortShown();
        endResetModel();
    }
    const QVector<int> &shown() const { return shown_; }
    const RegisterEntry &entryAt(int row) const { return entries_.at(shown_.at(row)); }

    int rowCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : int(shown_.size()); }
    int columnCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : ColumnCount; }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
            return QAbstractTableModel::headerData(section, orientation, role);
        static const QStringList titles{QStringLiteral("종류"),
                                        QStringLiteral("작성일자"),
                                        QStringLiteral("책번호/일련번호"),
                                        QStringLiteral("공급받는자 상호"),
                                        QStringLiteral("등록번호"),
                                        QStringLiteral("공급가액"),
                                        QStringLiteral("세액"),
                                        QStringLiteral("합계"),
                                        QStringLiteral("품목수"),
                                        QStringLiteral("파일명"),
                                        QStringLiteral("수정시각"),
                                        QStringLiteral("비고")};
        return titles.value(section);
    }

    QVariant data(const QModelIndex &index, int role) const override {
        if (!index.isValid())
            return {};
        const RegisterEntry &e = entryAt(index.row());
        if (role == Qt::TextAlignmentRole) {
            const bool number = index.column() >= ColSupply && index.column() <= ColItems;
            return int((number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
        }
        if (role == Qt::ForegroundRole) {
            if (e.missing())
                return look::Alarm();
            if (!e.counted())
                return QColor(110, 110, 110); // a superseded file, a folder read once already
            return {};
        }
        if (role == Qt::ToolTipRole && index.column() == ColFile)
            return QDir::toNativeSeparators(e.path);
        if (role == Qt::ToolTipRole && index.column() == ColNote) {
            const QString note = noteText(e);
            return note.isEmpty() ? QVariant() : QVariant(note);
        }
        if (role != Qt::DisplayRole)
            return {};
        const bool known = e.readable();
        switch (index.column()) {
        case ColKind: return kindText(e);
        case ColDate: return e.date.isValid() ? e.date.toString(QStringLiteral("yyyy.MM.dd")) : QString();
        case ColNumber: return numberText(e);
        case ColBuyer: return e.buyerName;
        case ColBuyerNumber: return buyerNumberShown(e);
        case ColSupply: return known ? wonText(e.supply) : QString();
        case ColTax: return known && e.kind != DocKind::Quotation ? wonText(e.tax) : QString();
        case ColTotal: return known ? wonText(e.total()) : QString();
        case ColItems: return known ? QString::number(e.itemCount) : QString();
        case ColFile: return e.fileName();
        case ColModified:
            return e.type == EntryType::Document && e.modified > 0
                       ? QDateTime::fromMSecsSinceEpoch(e.modified).toString(QStringLiteral("yyyy.MM.dd HH:mm"))
                       : QString();
        case ColNote: return noteText(e);
        }
        return {};
    }

    void sort(int column, Qt::SortOrder order) override {
        sortColumn_ = column;
        sortOrder_ = order;
        emit layoutAboutToBeChanged();
        sortShown();
        emit layoutChanged();
    }

private:
    void sortShown() {
        if (sortColumn_ < 0)
            return;
        const int column = sortColumn_;
        auto less = [this, column](int a, int b) {
            const RegisterEntry &x = entries_.at(a), &y = entries_.at(b);
            switch (column) {
            case ColKind: return x.kind < y.kind;
            case ColDate: return x.date < y.date;
            case ColNumber: return numberText(x) < numberText(y);
            case ColBuyer: return x.buyerName.localeAwareCompare(y.buyerName) < 0;
            case ColBuyerNumber: return x.buyerNumber < y.buyerNumber;
            case ColSupply: return x.supply < y.supply;
            case ColTax: return x.tax < y.tax;
            case ColTotal: return x.total() < y.total();
            case ColItems: return x.itemCount < y.itemCount;
            case ColFile: return x.fileName().localeAwareCompare(y.fileName()) < 0;
            case ColModified: return x.modified < y.modified;
            case ColNote: return noteText(x) < noteText(y);
            }
            return false;
        };
        if (sortOrder_ == Qt::AscendingOrder)
            std::stable_sort(shown_.begin(), shown_.end(), less);
        else
            std::stable_sort(shown_.begin(), shown_.end(), [&less](int a, int b) { return less(b, a); });
    }

    const QVector<RegisterEntry> &entries_;
    QVector<int> shown_;
    int sortColumn_ = -1;
    Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
};

RegisterWindow::RegisterWindow(DocumentIndex &index, RegisterPlace place, DocumentOpener opener, QWidget *parent)
    : QDialog(parent), index_(index), place_(std::move(place)), choices_(place_.folder), opener_(std::move(opener)) {
    setObjectName(QStringLiteral("RegisterWindow"));
    setWindowTitle(QStringLiteral("문서목록"));
    setModal(true);
    resize(1100, 640);
    buildControls();
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state != Qt::ApplicationActive || !isVisible() || !listedOnce_ || reloading_)
            return;
        if (sinceReload_.isValid() && sinceReload_.elapsed() < 2000)
            return;
        QTimer::singleShot(0, this, [this] {
            if (isVisible() && !reloading_)
                reload();
        });
    });
}

void RegisterWindow::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    // Listed once the window shows, so that a long first reading shows its progress over it.
    if (!listedOnce_) {
        listedOnce_ = true;
        QTimer::singleShot(0, this, [this] { reload(); });
    }
}

RegisterWindow::RegisterWindow(DocumentIndex &index, const QString &folder, DocumentOpener opener, QWidget *parent)
    : RegisterWindow(index, RegisterPlace{folder, {}, {}, {}, sample::Supplier(), {}}, std::move(opener), parent) {}

RegisterWindow::~RegisterWindow() = default;

void RegisterWindow::buildControls() {
    auto *layout = new QVBoxLayout(this);

    auto *top = new QHBoxLayout;
    folderLabel_ = new QLabel(this);
    folderLabel_->setObjectName(QStringLiteral("folderLabel"));
    folderLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto *folderBtn = new QPushButton(QStringLiteral("폴더 바꾸기(&D)..."), this);
    folderBtn->setObjectName(QStringLiteral("folderBtn"));
    folderBtn->setAutoDefault(false);
    folderBtn->setEnabled(bool(place_.folderChosen));
    connect(folderBtn, &QPushButton::clicked, this, [this] { RunCommand(this, [this] { chooseFolder(); }); });
    top->addWidget(folderLabel_, 1);
    top->addWidget(folderBtn);
    layout->addLayout(top);
    outsideLabel_ = new QLabel(this);
    outsideLabel_->setObjectName(QStringLiteral("outsideLabel"));
    outsideLabel_->setWordWrap(true);
    layout->addWidget(outsideLabel_);
    showFolder();

    auto *filters = new QHBoxLayout;
    auto *periodLabel = new QLabel(QStringLiteral("기간(&P)"), this);
    periodCombo_ = new QComboBox(this);
    periodCombo_->setObjectName(QStringLiteral("periodCombo"));
    periodCombo_->addItems({QStringLiteral("전체 기간"), QStringLiteral("1기 예정 (1~3월)"),
                            QStringLiteral("1기 확정 (4~6월)"), QStringLiteral("1기 (1~6월)"),
                            QStringLiteral("2기 예정 (7~9월)"), QStringLiteral("2기 확정 (10~12월)"),
                            QStringLiteral("2기 (7~12월)")});
    for (int m = 1; m <= 12; ++m)
        periodCombo_->addItem(QStringLiteral("%1월").arg(m));
    periodCombo_->addItems({QStringLiteral("연간"), QStringLiteral("기간 지정")});
    periodLabel->setBuddy(periodCombo_);
    yearSpin_ = new QSpinBox(this);
    yearSpin_->setObjectName(QStringLiteral("yearSpin"));
    yearSpin_->setRange(1990, 2199);
    yearSpin_->setSuffix(QStringLiteral("년"));
    yearSpin_->setValue(QDate::currentDate().year());
    fromDate_ = new QDateEdit(this);
    fromDate_->setObjectName(QStringLiteral("fromDate"));
    toDate_ = new QDateEdit(this);
    toDate_->setObjectName(QStringLiteral("toDate"));
    for (QDateEdit *d : {fromDate_, toDate_}) {
        d->setDisplayFormat(QStringLiteral("yyyy.MM.dd"));
        d->setCalendarPopup(true);
        d->setDate(QDate::currentDate());
    }
    auto *kindLabel = new QLabel(QStringLiteral("종류(&K)"), this);
    kindCombo_ = new QComboBox(this);
    kindCombo_->setObjectName(QStringLiteral("kindCombo"));
    kindCombo_->addItems({QStringLiteral("모든 문서"), KindName(DocKind::TaxInvoice), KindName(DocKind::Statement),
                          KindName(DocKind::Quotation)});
    kindLabel->setBuddy(kindCombo_);
    auto *searchLabel = new QLabel(QStringLiteral("찾기(&F)"), this);
    searchEdit_ = new QLineEdit(this);
    searchEdit_->setObjectName(QStringLiteral("searchEdit"));
    searchEdit_->setPlaceholderText(QStringLiteral("상호, 등록번호, 품명, 파일명"));
    searchEdit_->setClearButtonEnabled(true);
    searchLabel->setBuddy(searchEdit_);
    filters->addWidget(periodLabel);
    filters->addWidget(yearSpin_);
    filters->addWidget(periodCombo_);
    filters->addWidget(fromDate_);
    filters->addWidget(new QLabel(QStringLiteral("~"), this));
    filters->addWidget(toDate_);
    filters->addSpacing(12);
    filters->addWidget(kindLabel);
    filters->addWidget(kindCombo_);
    filters->addSpacing(12);
    filters->addWidget(searchLabel);
    filters->addWidget(searchEdit_, 1);
    layout->addLayout(filters);

    model_ = new RegisterModel(entries_, this);
    table_ = new QTableView(this);
    table_->setObjectName(QStringLiteral("docTable"));
    table_->setModel(model_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSortingEnabled(true);
    table_->sortByColumn(ColDate, Qt::AscendingOrder);
    table_->verticalHeader()->setDefaultSectionSize(22);
    table_->verticalHeader()->hide();
    table_->setAlternatingRowColors(true);
    table_->setContextMenuPolicy(Qt::CustomContextMenu);
    const int widths[ColumnCount] = {80, 82, 130, 170, 110, 110, 100, 110, 50, 150, 120, 200};
    for (int c = 0; c < ColumnCount; ++c)
        table_->setColumnWidth(c, widths[c]);
    table_->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(table_, 1);

    auto *bottom = new QHBoxLayout;
    totalsLabel_ = new QLabel(this);
    totalsLabel_->setObjectName(QStringLiteral("totalsLabel"));
    totalsLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    bottom->addWidget(totalsLabel_, 1);
    summaryCombo_ = new QComboBox(this);
    summaryCombo_->setObjectName(QStringLiteral("summaryCombo"));
    summaryCombo_->addItems({QStringLiteral("세금계산서합계표"), QStringLiteral("계산서합계표")});
    summaryCombo_->setToolTip(QStringLiteral("선택한 기간의 매출처별 합계표"));
    auto *previewBtn = new QPushButton(QStringLiteral("합계표 미리보기(&V)"), this);
    previewBtn->setObjectName(QStringLiteral("summaryPreviewBtn"));
    previewBtn->setAutoDefault(false);
    auto *sheetBtn = new QPushButton(QStringLiteral("합계표 엑셀전송(&E)"), this);
    sheetBtn->setObjectName(QStringLiteral("summarySheetBtn"));
    sheetBtn->setAutoDefault(false);
    auto *bulkBtn = new QPushButton(QStringLiteral("전자발급 파일(&B)..."), this);
    bulkBtn->setObjectName(QStringLiteral("bulkIssueBtn"));
    bulkBtn->setAutoDefault(false);
    bulkBtn->setToolTip(QStringLiteral("고른 (고르지 않았으면 보이는) 세금계산서를 홈택스 일괄발급용 엑셀 파일로 만듭니다."));
    bottom->addWidget(summaryCombo_);
    bottom->addWidget(previewBtn);
    bottom->addWidget(sheetBtn);
    bottom->addWidget(bulkBtn);
    bottom->addSpacing(12);
    connect(bulkBtn, &QPushButton::clicked, this, [this] { RunCommand(this, [this] { bulkIssueFile(); }); });
    connect(previewBtn, &QPushButton::clicked, this, [this] { RunCommand(this, [this] { previewSummary(); }); });
    connect(sheetBtn, &QPushButton::clicked, this, [this] { RunCommand(this, [this] { exportSummary(); }); });
    auto *reloadBtn = new QPushButton(QStringLiteral("새로 읽기(&R)"), this);
    reloadBtn->setObjectName(QStringLiteral("reloadBtn"));
    reloadBtn->setAutoDefault(false);
    auto *closeBtn = new QPushButton(QStringLiteral("닫기"), this);
    closeBtn->setObjectName(QStringLiteral("closeBtn"));
    closeBtn->setAutoDefault(false);
    bottom->addWidget(reloadBtn);
    bottom->addWidget(closeBtn);
    layout->addLayout(bottom);

    connect(periodCombo_, &QComboBox::currentIndexChanged, this, &RegisterWindow::periodChosen);
    connect(yearSpin_, &QSpinBox::valueChanged, this, &RegisterWindow::periodChosen);
    connect(fromDate_, &QDateEdit::dateChanged, this, &RegisterWindow::datesEdited);
    connect(toDate_, &QDateEdit::dateChanged, this, &RegisterWindow::datesEdited);
    connect(kindCombo_, &QComboBox::currentIndexChanged, this, &RegisterWindow::applyFilter);
    connect(searchEdit_, &QLineEdit::textChanged, this, &RegisterWindow::applyFilter);
    connect(table_, &QTableView::doubleClicked, this, [this](const QModelIndex &i) { openRow(i.row()); });
    connect(table_, &QTableView::customContextMenuRequested, this, &RegisterWindow::showContextMenu);
    connect(reloadBtn, &QPushButton::clicked, this, [this] { reload(); });
    connect(closeBtn, &QPushButton::clicked, this, &QDialog::accept);

    auto *openKey = new QAction(this);
    openKey->setShortcuts({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
    openKey->setShortcutContext(Qt::WidgetShortcut);
    table_->addAction(openKey);
    connect(openKey, &QAction::triggered, this, [this] {
        if (table_->currentIndex().isValid())
            openRow(table_->currentIndex().row());
    });
    periodChosen();
}

void RegisterWindow::choosePeriod(int year, int choice) {
    yearSpin_->setValue(year);
    periodCombo_->setCurrentIndex(choice);
    periodChosen();
}

void RegisterWindow::periodChosen() {
    const int choice = periodCombo_->currentIndex();
    const int year = yearSpin_->value();
    std::optional<DateRange> range;
    switch (choice) {
    case AllTime: break;
    case FirstPreliminary: range = VatPeriod(year, VatHalf::First, VatPart::Preliminary); break;
    case FirstFinal: range = VatPeriod(year, VatHalf::First, VatPart::Final); break;
    case FirstWhole: range = VatPeriod(year, VatHalf::First, VatPart::Whole); break;
    case SecondPreliminary: range = VatPeriod(year, VatHalf::Second, VatPart::Preliminary); break;
    case SecondFinal: range = VatPeriod(year, VatHalf::Second, VatPart::Final); break;
    case SecondWhole: range = VatPeriod(year, VatHalf::Second, VatPart::Whole); break;
    case WholeYear: range = DateRange{QDate(year, 1, 1), QDate(year, 12, 31)}; break;
    case CustomRange: break;
    default: range = MonthPeriod(year, choice - January + 1); break;
    }
    const bool custom = choice == CustomRange;
    yearSpin_->setEnabled(choice != AllTime && !custom);
    fromDate_->setEnabled(choice != AllTime);
    toDate_->setEnabled(choice != AllTime);
    if (range) {
        settingDates_ = true;
        fromDate_->setDate(range->from);
        toDate_->setDate(range->to);
        settingDates_ = false;
    }
    applyFilter();
}

void RegisterWindow::datesEdited() {
    if (settingDates_)
        return;
    if (periodCombo_->currentIndex() != CustomRange) {
        const QSignalBlocker block(periodCombo_);
        periodCombo_->setCurrentIndex(CustomRange);
        yearSpin_->setEnabled(false);
    }
    applyFilter();
}

RegisterFilter RegisterWindow::currentFilter() const {
    RegisterFilter f;
    if (periodCombo_->currentIndex() != AllTime)
        f.period = {fromDate_->date(), toDate_->date()};
    if (kindCombo_->currentIndex() > 0)
        f.kind = DocKind(kindCombo_->currentIndex() - 1);
    f.text = searchEdit_->text();
    return f;
}

void RegisterWindow::applyFilter() {
    if (!model_)
        return;
    model_->setShown(FilterEntries(entries_, currentFilter()));
    showTotals();
}

RegisterTotals RegisterWindow::shownTotals() const { return TotalsOf(entries_, model_->shown()); }

void RegisterWindow::showTotals() {
    const RegisterTotals t = shownTotals();
    QString text;
    if (t.mixed()) {
        // Documents of different kinds are not one sum: a statement may be invoiced as well, a quotation is
        // no sale.
        QStringList parts;
        for (DocKind kind : {DocKind::TaxInvoice, DocKind::Statement, DocKind::Quotation}) {
            const KindTotals &k = t.byKind[int(kind)];
            if (k.documents > 0)
                parts << KindName(kind) + u' ' + kindTotalsText(k, kind != DocKind::Quotation);
        }
        text = QStringLiteral("  ") + parts.join(QStringLiteral("   │   "));
    } else {
        text = QStringLiteral("  %1건   공급가액 %2   세액 %3   합계 %4")
                   .arg(t.documents)
                   .arg(wonText(t.supply), wonText(t.tax), wonText(t.total()));
    }
    if (t.unreadable > 0)
        text += QStringLiteral("   (읽을 수 없는 파일·폴더 %1개)").arg(t.unreadable);
    if (t.superseded > 0)
        text += QStringLiteral("   (새 파일이 대신하는 이전 파일 %1개는 합계에서 뺌)").arg(t.superseded);
    totalsLabel_->setText(text);
}

void RegisterWindow::showFolder() {
    folderLabel_->setText(QStringLiteral("문서목록 폴더: ") + QDir::toNativeSeparators(place_.folder) +
                          (place_.notice.isEmpty() ? QString() : QStringLiteral("   ") + place_.notice));
    // Documents this program saved outside the folder are not listed: say so, rather than lose them from
    // view without a word.
    const QString prefix = QDir::cleanPath(place_.folder) + u'/';
    QStringList outside;
    for (const QString &path : std::as_const(place_.savedDocuments)) {
        const QString clean = QDir::cleanPath(path);
        if (!clean.startsWith(prefix) && QFileInfo::exists(clean) && !outside.contains(clean))
            outside << clean;
    }
    outsideLabel_->setVisible(!outside.isEmpty());
    outsideLabel_->setText(QStringLiteral("※ 이 폴더 밖에 저장한 문서 %1개는 목록과 합계표에 들어 있지 않습니다. "
                                          "넣으려면 [폴더 바꾸기]로 그 문서들을 담은 폴더를 고르세요.")
                               .arg(outside.size()));
    QStringList shown;
    for (const QString &path : outside)
        shown << QDir::toNativeSeparators(path);
    outsideLabel_->setToolTip(shown.join(u'\n'));
}

bool RegisterWindow::reload() {
    listedOnce_ = true;
    reloading_ = true;
    const auto done = qScopeGuard([this] {
        reloading_ = false;
        sinceReload_.start();
    });
    QVector<RegisterEntry> fresh;
    try {
        // A large folder read for the first time takes seconds: its progress shows after half a second, and
        // it can be stopped.
        QProgressDialog progress(QStringLiteral("문서를 읽는 중입니다..."), QStringLiteral("그만 읽기"), 0, 0, this);
        progress.setWindowTitle(QStringLiteral("문서목록"));
        progress.setWindowModality(Qt::WindowModal);
        progress.setMinimumDuration(std::numeric_limits<int>::max()); // shown below, not by its own timer
        progress.reset();
        // Escape or the window's close button stop the reading as 그만 읽기 does.
        connect(&progress, &QDialog::rejected, &progress, &QProgressDialog::cancel);
        QElapsedTimer clock;
        clock.start();
        bool shown = false;
        fresh = index_.refresh(place_.folder, [&](int files) {
            if (!shown && clock.elapsed() >= 500) {
                progress.show();
                shown = true;
            }
            if (progress.isVisible())
                progress.setLabelText(QStringLiteral("문서를 읽는 중입니다... (%1개)").arg(files));
            QCoreApplication::processEvents();
            return !progress.wasCanceled();
        });
    } catch (const RefreshCancelled &) {
        totalsLabel_->setText(QStringLiteral("  읽기를 멈췄습니다. [새로 읽기]를 누르면 다시 읽습니다."));
        return false;
    } catch (const AppError &e) {
        // No list of a folder that is not there: an empty one would read as "no documents".
        model_->setShown({});
        entries_.clear();
        totalsLabel_->setText(QStringLiteral("  폴더를 읽을 수 없습니다."));
        ShowCommandError(this, e.message());
        return false;
    }
    model_->setShown({});
    entries_ = std::move(fresh);
    applyChoices();
    applyFilter();
    return true;
}

void RegisterWindow::applyChoices() {
    try {
        choices_.load();
    } catch (const AppError &e) {
        ShowCommandError(this, e.message());
    }
    for (RegisterEntry &e : entries_) {
        e.summary = choices_.summary(e.path);
        e.electronic = choices_.electronic(e.path);
    }
}

void RegisterWindow::chooseFolder() {
    const QString chosen = prompts().chooseFolder(this, QStringLiteral("문서목록 폴더 고르기"), place_.folder);
    if (chosen.isEmpty())
        return;
    place_.folder = QDir::cleanPath(chosen);
    choices_ = ChoiceStore(place_.folder);
    if (place_.folderChosen)
        place_.folderChosen(place_.folder);
    showFolder();
    reload();
}

QVector<RegisterEntry> RegisterWindow::shownEntries() const {
    QVector<RegisterEntry> out;
    for (int i : model_->shown())
        out.append(entries_.at(i));
    return out;
}

void RegisterWindow::openRow(int row) {
    if (row < 0 || row >= model_->rowCount() || !opener_)
        return;
    const RegisterEntry entry = model_->entryAt(row);
    if (!entry.readable()) {
        // The editor would only report the same: say why, and leave the list as it is.
        ShowInfo(QStringLiteral("이 파일은 열 수 없습니다.\n%1\n\n%2")
                     .arg(QDir::toNativeSeparators(entry.path), entry.error),
                 this);
        return;
    }
    opener_(this, entry);
    // The document may have been saved, renamed or saved elsewhere meanwhile.
    reload();
}

void RegisterWindow::showContextMenu(const QPoint &pos) {
    const QModelIndex at = table_->indexAt(pos);
    if (!at.isValid())
        return;
    const RegisterEntry entry = model_->entryAt(at.row());
    QMenu menu(this);
    QAction *open = menu.addAction(QStringLiteral("열기"));
    QAction *toTax = nullptr, *toFree = nullptr;
    if (entry.counted() && entry.kind == DocKind::TaxInvoice) {
        // Which summary the invoice is in now, checked; an invoice with tax is reported with the tax
        // invoices and cannot be moved.
        menu.addSeparator();
        const bool inTax = entry.inTaxInvoiceSummary();
        toTax = menu.addAction(entry.tax == 0 ? QStringLiteral("세금계산서합계표에 넣기 (영세율)")
                                              : QStringLiteral("세금계산서합계표에 넣기"));
        toTax->setCheckable(true);
        toTax->setChecked(inTax);
        toFree = menu.addAction(entry.tax == 0 ? QStringLiteral("계산서합계표에 넣기")
                                               : QStringLiteral("계산서합계표에 넣기 (세액이 있어 넣을 수 없음)"));
        toFree->setCheckable(true);
        toFree->setChecked(!inTax);
        toFree->setEnabled(entry.tax == 0);
    }
    QAction *electronic = nullptr, *email = nullptr;
    if (entry.counted() && entry.kind == DocKind::TaxInvoice) {
        menu.addSeparator();
        electronic = menu.addAction(QStringLiteral("전자발급으로 표시"));
        electronic->setCheckable(true);
        electronic->setChecked(entry.electronic);
        email = menu.addAction(QStringLiteral("공급받는자 이메일..."));
        email->setEnabled(!entry.buyerNumber.isEmpty());
    }
    QAction *chosen = menu.exec(table_->viewport()->mapToGlobal(pos));
    if (!chosen)
        return;
    if (chosen == open) {
        openRow(at.row());
        return;
    }
    if (chosen == electronic) {
        RunCommand(this, [&] { setElectronic({entry.path}, !entry.electronic); });
        return;
    }
    if (chosen == email) {
        RunCommand(this, [&] { editBuyerEmail(entry); });
        return;
    }
    const SummaryChoice choice = chosen == toTax ? SummaryChoice::TaxInvoice : SummaryChoice::Automatic;
    RunCommand(this, [&] { setSummaryChoice(entry.path, choice); });
}

void RegisterWindow::setSummaryChoice(const QString &path, SummaryChoice choice) {
    const auto it =
        std::find_if(entries_.cbegin(), entries_.cend(), [&](const RegisterEntry &e) { return e.path == path; });
    if (it == entries_.cend())
        return;
    if (it->tax != 0 && choice == SummaryChoice::TaxFree) {
        ShowInfo(QStringLiteral("세액이 있는 세금계산서는 계산서합계표에 넣을 수 없습니다.\n"
                                "세액이 0인 세금계산서(영세율)만 두 합계표 사이를 옮길 수 있습니다."),
                 this);
        return;
    }
    // Automatic is the zero-tax invoice's own place: the summary of invoices without tax.
    choices_.setSummary(path, choice == SummaryChoice::TaxFree ? SummaryChoice::Automatic : choice);
    applyChoices();
    applyFilter();
}

std::optional<SalesSummary> RegisterWindow::summaryOfPeriod(SummaryKind kind) {
    const DateRange period = currentFilter().period;
    if (!period.from.isValid() || !period.to.isValid()) {
        ShowInfo(QStringLiteral("합계표를 만들 기간을 먼저 선택하세요."), this);
        return std::nullopt;
    }
    // The files as they are now: another program (or PC) may have saved some since the list was read.
    if (!reload())
        return std::nullopt;
    QStringList missing;
    for (const RegisterEntry &e : std::as_const(entries_))
        if (e.missing())
            missing << QStringLiteral("· %1 (%2)").arg(QDir::toNativeSeparators(e.path), e.error);
    if (!missing.isEmpty()) {
        const int shown = 12;
        QString list = QStringList(missing.mid(0, shown)).join(u'\n');
        if (missing.size() > shown)
            list += QStringLiteral("\n· 그 밖에 %1개").arg(missing.size() - shown);
        const QString question =
            QStringLiteral("다음 %1개를 읽지 못했습니다. 그 안의 문서는 합계표에 들어가지 않아, 합계표가 실제보다 적게 "
                           "나올 수 있습니다.\n\n%2\n\n그래도 읽은 문서만으로 합계표를 만드시겠습니까?")
                .arg(missing.size())
                .arg(list);
        if (!prompts().askProceed(this, question, kAppTitle, QStringLiteral("읽은 문서만으로 만들기")))
            return std::nullopt;
    }
    return BuildSalesSummary(entries_, period, kind, SubmitterOf(place_.supplier), QDate::currentDate());
}

void RegisterWindow::previewSummary() {
    const auto summary =
        summaryOfPeriod(summaryCombo_->currentIndex() == 0 ? SummaryKind::TaxInvoice : SummaryKind::TaxFree);
    if (!summary)
        return;
    // A window of this dialog, so that the dialog's modality leaves it usable.
    auto *preview = new report::TprevUntf(this);
    preview->setPrinter(&CurrentPrinter());
    preview->resize(860, std::max(600, height()));
    preview->showReport(RenderSalesSummary(*summary));
    preview->waitUntilClosed();
}

void RegisterWindow::exportSummary() {
    const auto summary =
        summaryOfPeriod(summaryCombo_->currentIndex() == 0 ? SummaryKind::TaxInvoice : SummaryKind::TaxFree);
    if (summary)
        ExportSalesSummarySheet(*summary, this);
}

namespace {

// The check's list: every invoice the service would refuse, with the reason; the others go into the files.
bool AcceptRefusals(QWidget *parent, const bulk::Plan &plan, int invoices) {
    if (plan.refusals.isEmpty())
        return true;
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("bulkCheckDialog"));
    dialog.setWindowTitle(QStringLiteral("전자발급 파일 - 국세청에서 받지 않을 문서"));
    auto *layout = new QVBoxLayout(&dialog);
    QStringList refused;
    for (const bulk::Refusal &r : plan.refusals)
        if (!refused.contains(r.path))
            refused << r.path;
    const int taken = int(plan.rows.size());
    auto *intro = new QLabel(
        taken > 0 ? QStringLiteral("%1건 가운데 %2건은 국세청 일괄발급에서 받지 않습니다. 아래 까닭을 고친 뒤 다시 만들거나, "
                                   "이 문서들을 빼고 %3건으로 만드십시오.")
                        .arg(invoices)
                        .arg(refused.size())
                        .arg(taken)
                  : QStringLiteral("%1건 모두 국세청 일괄발급에서 받지 않습니다. 아래 까닭을 고친 뒤 다시 만드십시오.")
                        .arg(invoices),
        &dialog);
    intro->setWordWrap(true);
    layout->addWidget(intro);
    auto *table = new QTableWidget(int(plan.refusals.size()), 2, &dialog);
    table->setObjectName(QStringLiteral("refusalTable"));
    table->setHorizontalHeaderLabels({QStringLiteral("문서"), QStringLiteral("까닭")});
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->hide();
    for (int i = 0; i < plan.refusals.size(); ++i) {
        const bulk::Refusal &r = plan.refusals.at(i);
        auto *file = new QTableWidgetItem(QFileInfo(r.path).fileName());
        file->setToolTip(QDir::toNativeSeparators(r.path));
        table->setItem(i, 0, file);
        table->setItem(i, 1, new QTableWidgetItem(r.reason));
    }
    table->resizeColumnsToContents();
    table->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(table, 1);
    auto *buttons = new QDialogButtonBox(&dialog);
    QPushButton *make = nullptr;
    if (taken > 0) {
        make = buttons->addButton(QStringLiteral("빼고 만들기"), QDialogButtonBox::AcceptRole);
        make->setObjectName(QStringLiteral("makeWithoutBtn"));
        make->setDefault(true);
    }
    QPushButton *cancel = buttons->addButton(taken > 0 ? QStringLiteral("취소") : QStringLiteral("닫기"),
                                             QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("cancelBtn"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    dialog.resize(720, 420);
    return dialog.exec() == QDialog::Accepted && taken > 0;
}

} // namespace

QStringList RegisterWindow::bulkIssueFile() {
    const DateRange period = currentFilter().period;
    if (!period.from.isValid() || !period.to.isValid()) {
        ShowInfo(QStringLiteral("전자발급 파일을 만들 기간을 먼저 선택하세요."), this);
        return {};
    }
    // The documents chosen, by their paths, before the list is read again.
    QStringList chosen;
    const QModelIndexList selected = table_->selectionModel() ? table_->selectionModel()->selectedRows()
                                                              : QModelIndexList();
    for (const QModelIndex &i : selected)
        chosen << model_->entryAt(i.row()).path;
    if (chosen.isEmpty())
        for (const RegisterEntry &e : shownEntries())
            chosen << e.path;
    if (!reload())
        return {};

    QList<bulk::Source> sources;
    QList<bulk::Refusal> unreadable;
    bool fiveLines = false;
    for (const RegisterEntry &e : std::as_const(entries_)) {
        if (!chosen.contains(e.path) || !e.counted() || e.kind != DocKind::TaxInvoice)
            continue;
        try {
            InvoiceLoadResult loaded = LoadInvoiceFile(e.path, GridKind::TaxInvoice);
            bulk::Source s{e.path, loaded.document, e.summary, choices_.buyerEmail(e.buyerNumber)};
            int filled = 0;
            for (const InvoiceLine &line : s.document.lines)
                filled += line.isFilled();
            fiveLines |= filled > bulk::kLinesPerInvoice;
            sources << s;
        } catch (const AppError &error) {
            unreadable << bulk::Refusal{e.path, QStringLiteral("읽을 수 없습니다: ") + error.message()};
        }
    }
    if (sources.isEmpty() && unreadable.isEmpty()) {
        ShowInfo(QStringLiteral("고른 문서 가운데 전자발급 파일에 넣을 세금계산서가 없습니다."), this);
        return {};
    }

    bulk::Choices choices{place_.supplierEmail, period.from, period.to, bulk::FiveLines::Fold};
    if (fiveLines) {
        // Folding keeps the invoice whole in the file, with its totals right; its full lines stay on the
        // paper copy. Left out, it would have to be typed on the site by hand.
        const int answer = prompts().askChoice(
            this,
            QStringLiteral("품목이 5줄인 세금계산서가 있습니다. 국세청 일괄발급 양식은 4줄까지 받습니다.\n\n"
                           "4번째와 5번째 줄을 하나로 합쳐 넣을까요? (\"4번째 품목 외 1건\", 금액은 더하고 수량과 "
                           "단가는 비웁니다.)\n아니면 그 세금계산서는 파일에서 뺍니다."),
            kAppTitle, {QStringLiteral("합쳐 넣기"), QStringLiteral("빼기"), QStringLiteral("취소")}, 2);
        if (answer == 2)
            return {};
        choices.fiveLines = answer == 0 ? bulk::FiveLines::Fold : bulk::FiveLines::LeaveOut;
    }
    bulk::Plan plan = bulk::PlanBulkIssue(sources, choices);
    plan.refusals = unreadable + plan.refusals;
    if (!AcceptRefusals(this, plan, int(sources.size() + unreadable.size())) || plan.rows.isEmpty())
        return {};

    const QString folder =
        prompts().chooseFolder(this, QStringLiteral("전자발급 파일을 저장할 폴더 고르기"), place_.folder);
    if (folder.isEmpty())
        return {};
    QStringList existing;
    for (bulk::Form form : {bulk::Form::TaxInvoice, bulk::Form::Invoice})
        if (const int rows = int(plan.rowsOf(form).size()); rows > 0)
            for (const QString &name : bulk::FileNames(form, rows))
                if (QFileInfo::exists(QDir(folder).filePath(name)))
                    existing << name;
    if (!existing.isEmpty() &&
        !prompts().askYesNo(this,
                            QStringLiteral("폴더에 같은 이름의 파일이 있습니다:\n%1\n\n새 파일로 바꿀까요?")
                                .arg(existing.join(u'\n')),
                            kAppTitle))
        return {};

    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    QStringList written;
    try {
        written = bulk::WriteBulkFiles(plan, folder, bulk::LibreOfficeConverter());
    } catch (...) {
        QGuiApplication::restoreOverrideCursor();
        throw;
    }
    QGuiApplication::restoreOverrideCursor();

    QStringList names;
    for (const QString &path : written)
        names << QFileInfo(path).fileName();
    const bool anyXls = std::any_of(written.cbegin(), written.cend(),
                                    [](const QString &p) { return p.endsWith(QStringLiteral(".xls")); });
    ShowInfo(QStringLiteral("세금계산서 %1건의 전자발급 파일을 만들었습니다 (%2):\n%3\n\n홈택스의 일괄발급에서 "
                            "이 파일을 올리십시오.%4")
                 .arg(plan.rows.size())
                 .arg(QDir::toNativeSeparators(folder), names.join(u'\n'),
                      anyXls ? QStringLiteral(" .xls와 .xlsx는 같은 내용이며, 어느 것이든 됩니다.")
                             : QString()),
             this);

    QStringList paths;
    for (const bulk::Row &r : std::as_const(plan.rows))
        paths << r.path;
    if (prompts().askYesNo(this,
                           QStringLiteral("홈택스에서 이 %1건의 발급을 마쳤습니까?\n\n[예]를 누르면 전자발급으로 "
                                          "표시되어, 합계표의 전자세금계산서 칸에 들어갑니다. 나중에 문서의 "
                                          "오른쪽 단추 메뉴에서 표시할 수도 있습니다.")
                               .arg(paths.size()),
                           kAppTitle))
        setElectronic(paths, true);
    return written;
}

void RegisterWindow::setElectronic(const QStringList &paths, bool issued) {
    choices_.setElectronic(paths, issued);
    applyChoices();
    applyFilter();
}

void RegisterWindow::editBuyerEmail(const RegisterEntry &entry) {
    bool ok = false;
    const QString email = QInputDialog::getText(
        this, QStringLiteral("공급받는자 이메일"),
        QStringLiteral("%1 (%2)의 전자세금계산서 이메일:").arg(entry.buyerName, entry.buyerNumberText()),
        QLineEdit::Normal, choices_.buyerEmail(entry.buyerNumber), &ok);
    if (!ok)
        return;
    if (cp949::byteLength(email.trimmed()) > 40) {
        ShowInfo(QStringLiteral("이메일은 40자까지 적을 수 있습니다."), this);
        return;
    }
    choices_.setBuyerEmail(entry.buyerNumber, email);
}

} // namespace reg
