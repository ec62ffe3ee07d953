#include "PrtUnit.h"

#include "BtChkBox.h"
#include "commands.h"
#include "frameless.h"
#include "input_method.h"
#include "launch.h"
#include "look.h"
#include "prevUnt.h"
#include "print_fill.h"
#include "prompts.h"
#include "message_hints.h"

#include <QCheckBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QToolButton>

namespace {

TPrtUntf *g_instance = nullptr;

constexpr int kTitleHeight = 18;

struct PageGeometry {
    int height, width, heightForTop, widthForLeft;
};
constexpr PageGeometry kGeometry[3] = {{195, 380, 200, 380}, {220, 380, 255, 380}, {165, 280, 190, 280}};

template <typename W> W *named(W *w, const char *name) {
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

QCheckBox *checkBox(QWidget *page, const char *name, const QString &caption, int x, int y, int w = 105) {
    auto *c = named(new QCheckBox(caption, page), name);
    c->setGeometry(x, y, w, 18);
    return c;
}

QRadioButton *radio(QWidget *parent, const char *name, const QString &caption, int x, int y, int w = 105) {
    auto *r = named(new QRadioButton(caption, parent), name);
    r->setGeometry(x, y, w, 18);
    return r;
}

TBitCheckBox *bitCheck(QWidget *page, const char *name, const QString &caption, int x, int y, int w) {
    auto *c = named(new TBitCheckBox(caption, page), name);
    c->setGeometry(x, y, w, 17);
    return c;
}

// A whole-number offset edit with its caption in front.
QLineEdit *offsetEdit(QWidget *page, const char *name, const QString &caption, int x, int y) {
    auto *label = new QLabel(caption, page);
    label->setGeometry(x, y + 3, 56, 16);
    auto *e = named(new QLineEdit(page), name);
    e->setGeometry(x + 58, y, 38, 21);
    e->setMaxLength(3);
    e->setAlignment(Qt::AlignRight);
    MarkNumbersOnly(e);
    return e;
}

QPushButton *button(QWidget *page, const char *name, const QString &caption, int x, int y) {
    auto *b = named(new QPushButton(caption, page), name);
    b->setGeometry(x, y, 80, 26);
    return b;
}

// The balance as the edit shows it: thousands separators, no decimals.
QString balanceText(Money m) { return FormatMoneyText(m, 0, true); }

} // namespace

TPrtUntf *TPrtUntf::instance() { return g_instance; }

TPrtUntf::TPrtUntf(QWidget *editor, int printPageIndex, int lastStatementLine, PrintRunner runner,
                   const PrintChoices &choices, ChoiceKeeper keep)
    : QDialog(editor, Qt::Dialog | Qt::FramelessWindowHint), editor_(editor), pageIndex_(qBound(0, printPageIndex, 2)),
      lastStatementLine_(lastStatementLine), runner_(std::move(runner)), choices_(choices), keep_(std::move(keep)) {
    g_instance = this;
    setObjectName(QStringLiteral("PrtUntf"));
    setWindowTitle(QStringLiteral("출력물 종류를 선택하세요."));
    // Modal to the editor and the main window only: the preview and the help window opened from here
    // stay usable while the dialog waits.
    setWindowModality(Qt::WindowModal);
    QFont f(QStringLiteral("굴림"));
    f.setPixelSize(12);
    setFont(f);
    setAutoFillBackground(true);
    look::SetPair(this, look::PrintFace());
    setStyleSheet(QStringLiteral("TPrtUntf { border: 2px outset #b8b5aa; }"));

    buildTitle();
    mPage = named(new QStackedWidget(this), "mPage");
    mPage->addWidget(buildPage0());
    mPage->addWidget(buildPage1());
    mPage->addWidget(buildPage2());

    auto *help = new QAction(QStringLiteral("도 움 말 보기"), this);
    help->setObjectName(QStringLiteral("mHelp"));
    help->setShortcut(QKeySequence(Qt::Key_F1));
    connect(help, &QAction::triggered, this, &TPrtUntf::mHelpClick);
    addAction(help);

    FormShow();
    EnableDragByBarePoints(this);
}

TPrtUntf::~TPrtUntf() {
    if (g_instance == this)
        g_instance = nullptr;
}

void TPrtUntf::buildTitle() {
    TopTitle = named(new QLabel(QStringLiteral("     출력물 종류를 선택하세요."), this), "TopTitle");
    TopTitle->setAutoFillBackground(true);
    look::SetPair(TopTitle, look::PrintCaption());
    QFont bold = font();
    bold.setBold(true);
    TopTitle->setFont(bold);
    mExit0 = named(new QToolButton(this), "mExit0");
    mExit0->setText(QStringLiteral("x"));
    mExit0->setAutoRaise(true);
    mExit0->setStyleSheet(QStringLiteral("QToolButton { color: yellow; font-weight: bold; }"));
    // Clicked only: a desktop style that gives tool buttons the keyboard made it the dialog's first focus,
    // and Enter or Space then closed the dialog instead of printing.
    mExit0->setFocusPolicy(Qt::NoFocus);
    connect(mExit0, &QToolButton::clicked, this, &TPrtUntf::mExit0Click);
}

QWidget *TPrtUntf::buildPage0() {
    auto *page = named(new QWidget, "Sheet0");
    PrvCheck0 = checkBox(page, "PrvCheck0", QStringLiteral("미리보기설정"), 10, 8);
    PrvFrm0 = checkBox(page, "PrvFrm0", QStringLiteral("양식지사용"), 125, 8);
    pKind0 = bitCheck(page, "pKind0", QStringLiteral("흑백전용"), 250, 9, 115);
    TopEdt0 = offsetEdit(page, "TopEdt0", QStringLiteral("위쪽여백"), 10, 32);
    LftEdt0 = offsetEdit(page, "LftEdt0", QStringLiteral("좌측여백"), 125, 32);
    PakdayChek = bitCheck(page, "PakdayChek", QStringLiteral("날짜없이인쇄"), 250, 35, 115);
    auto *kind = new QWidget(page);
    kind->setGeometry(6, 60, 230, 22);
    PrtARadio0 = radio(kind, "PrtARadio0", QStringLiteral("세금계산서"), 4, 2);
    PrtBRadio0 = radio(kind, "PrtBRadio0", QStringLiteral("계산서인쇄"), 119, 2);
    dojOk0 = checkBox(page, "dojOk0", QStringLiteral("공급자 도장"), 250, 62, 115);
    ptMsg0 = named(new QLineEdit(page), "ptMsg0");
    ptMsg0->setGeometry(10, 90, 356, 22);
    ptMsg0->setMaxLength(50);
    ptMsg0->setPlaceholderText(QString::fromUtf16(kMessageHintInvoice));
    look::SetPair(ptMsg0, {look::Field().background, look::MessageInk()}, QPalette::Base, QPalette::Text);
    mOk0 = button(page, "mOk0", QStringLiteral("확인"), 196, 124);
    mVoide0 = button(page, "mVoide0", QStringLiteral("취소"), 286, 124);
    connect(PrvFrm0, &QCheckBox::clicked, this, &TPrtUntf::PrvFrm0Click);
    connect(mOk0, &QPushButton::clicked, this, &TPrtUntf::mOk0Click);
    connect(mVoide0, &QPushButton::clicked, this, &TPrtUntf::mExit0Click);
    return page;
}

QWidget *TPrtUntf::buildPage1() {
    auto *page = named(new QWidget, "Sheet1");
    PrvCheck1 = checkBox(page, "PrvCheck1", QStringLiteral("미리보기설정"), 10, 8);
    PrvFrm1 = checkBox(page, "PrvFrm1", QStringLiteral("양식지사용"), 125, 8);
    TopEdt1 = offsetEdit(page, "TopEdt1", QStringLiteral("위쪽여백"), 10, 32);
    LftEdt1 = offsetEdit(page, "LftEdt1", QStringLiteral("좌측여백"), 125, 32);
    auto *kind = new QWidget(page);
    kind->setGeometry(246, 4, 125, 50);
    PrtARadio1 = radio(kind, "PrtARadio1", QStringLiteral("거래명세표 "), 4, 4, 115);
    PrtBRadio1 = radio(kind, "PrtBRadio1", QStringLiteral("간이영수증"), 4, 28, 115);
    pKind1 = bitCheck(page, "pKind1", QStringLiteral("흑백 전용으로 인쇄 하기 ..."), 10, 62, 228);
    // Lies over the black-and-white box when the statement is too long for the two-copy layout.
    DtyPnl = named(new QFrame(page), "DtyPnl");
    DtyPnl->setFrameShape(QFrame::Panel);
    DtyPnl->setFrameShadow(QFrame::Raised);
    DtyPnl->setAutoFillBackground(true);
    DtyPnl->setGeometry(6, 57, 234, 26);
    RadioPtypeA = radio(DtyPnl, "RadioPtypeA", QStringLiteral("공급받는자용"), 6, 4, 110);
    RadioPtypeB = radio(DtyPnl, "RadioPtypeB", QStringLiteral("공급자용"), 124, 4, 100);
    DtyPnl->hide();
    dojOk1 = checkBox(page, "dojOk1", QStringLiteral("공급자 도장"), 250, 62, 115);
    misuPnl = named(new QFrame(page), "misuPnl");
    misuPnl->setFrameShape(QFrame::Panel);
    misuPnl->setFrameShadow(QFrame::Sunken);
    misuPnl->setGeometry(6, 88, 234, 28);
    auto *misuLabel = new QLabel(QStringLiteral(" 전회까지미수금"), misuPnl);
    misuLabel->setGeometry(4, 6, 92, 16);
    Mismny = named(new QLineEdit(misuPnl), "Mismny");
    Mismny->setGeometry(100, 3, 128, 22);
    Mismny->setAlignment(Qt::AlignRight);
    MarkNumbersOnly(Mismny);
    connect(Mismny, &QLineEdit::editingFinished, this, [this] {
        try {
            Mismny->setText(balanceText(ParseAmount(Mismny->text()).truncated()));
        } catch (const NumberConversionError &) {
            ShowInfo(QStringLiteral("전회까지미수금은 숫자로 입력하세요."), this);
            Mismny->setText(QStringLiteral("0"));
        }
    });
    misuCk = checkBox(page, "misuCk", QStringLiteral("미수금표시"), 250, 93, 115);
    ptMsg1 = named(new QLineEdit(page), "ptMsg1");
    ptMsg1->setGeometry(10, 124, 356, 22);
    ptMsg1->setMaxLength(50);
    ptMsg1->setPlaceholderText(QString::fromUtf16(kMessageHintStatement));
    mOk1 = button(page, "mOk1", QStringLiteral("확인"), 196, 156);
    mVoide1 = button(page, "mVoide1", QStringLiteral("취소"), 286, 156);
    connect(PrvFrm1, &QCheckBox::clicked, this, &TPrtUntf::PrvFrm1Click);
    connect(PrtARadio1, &QRadioButton::clicked, this, &TPrtUntf::PrtARadio1Click);
    connect(PrtBRadio1, &QRadioButton::clicked, this, &TPrtUntf::PrtARadio1Click);
    connect(misuCk, &QCheckBox::clicked, this, &TPrtUntf::misuCkClick);
    connect(mOk1, &QPushButton::clicked, this, &TPrtUntf::mOk1Click);
    connect(mVoide1, &QPushButton::clicked, this, &TPrtUntf::mExit0Click);
    return page;
}

QWidget *TPrtUntf::buildPage2() {
    auto *page = named(new QWidget, "Sheet2");
    PrvCheck2 = checkBox(page, "PrvCheck2", QStringLiteral("미리보기설정"), 12, 12);
    dojOk2 = checkBox(page, "dojOk2", QStringLiteral("공급자 도장"), 146, 12, 115);
    TopEdt2 = offsetEdit(page, "TopEdt2", QStringLiteral("위쪽여백"), 12, 44);
    LftEdt2 = offsetEdit(page, "LftEdt2", QStringLiteral("좌측여백"), 146, 44);
    mOk2 = button(page, "mOk2", QStringLiteral("확인"), 92, 100);
    mVoide2 = button(page, "mVoide2", QStringLiteral("취소"), 182, 100);
    connect(mOk2, &QPushButton::clicked, this, &TPrtUntf::mOk2Click);
    connect(mVoide2, &QPushButton::clicked, this, &TPrtUntf::mExit0Click);
    return page;
}

void TPrtUntf::FormShow() {
    mPage->setCurrentIndex(pageIndex_);
    const PageGeometry g = kGeometry[pageIndex_];
    const QRect e = editor_ ? editor_->frameGeometry() : QRect(0, 0, g.widthForLeft, g.heightForTop);
    setFixedSize(g.width, g.height);
    move(e.left() + (e.width() - g.widthForLeft) / 2, e.top() + (e.height() - g.heightForTop) / 2);
    TopTitle->setGeometry(0, 0, g.width, kTitleHeight);
    mExit0->setGeometry(g.width - 26, 1, 22, 16);
    mPage->setGeometry(0, kTitleHeight, g.width, g.height - kTitleHeight);

    // Enter anywhere but on a button or in a message line is the 확인 of the page shown; the dialog opens
    // with the keyboard on it, so Enter or Space at once prints the page shown.
    okButton()->setDefault(true);
    okButton()->setFocus();

    loadSettings();
    if (pageIndex_ == 0) {
        PrvFrm0Click();
    } else if (pageIndex_ == 1) {
        PrvFrm1Click();
        PrtARadio1Click();
        misuCkClick();
    }
}

void TPrtUntf::loadSettings() {
    const PrintChoices &c = choices_;
    switch (pageIndex_) {
    case 0:
        TopEdt0->setText(c.invoiceTop);
        LftEdt0->setText(c.invoiceLeft);
        pKind0->SetChecked(c.blackWhite);
        PrvCheck0->setChecked(c.preview);
        PrvFrm0->setChecked(c.formPaper);
        dojOk0->setChecked(c.seal);
        (c.invoiceWithTax ? PrtARadio0 : PrtBRadio0)->setChecked(true);
        ptMsg0->setText(WithoutMessageHint(c.invoiceMessage));
        break;
    case 1:
        TopEdt1->setText(c.statementTop);
        LftEdt1->setText(c.statementLeft);
        pKind1->SetChecked(c.blackWhite);
        PrvCheck1->setChecked(c.preview);
        PrvFrm1->setChecked(c.formPaper);
        dojOk1->setChecked(c.seal);
        (c.statementForm ? PrtARadio1 : PrtBRadio1)->setChecked(true);
        misuCk->setChecked(c.balanceShown);
        ptMsg1->setText(WithoutMessageHint(c.statementMessage));
        RadioPtypeA->setChecked(true);
        Mismny->setText(QStringLiteral("0"));
        break;
    default:
        PrvCheck2->setChecked(c.preview);
        TopEdt2->setText(c.quotationTop);
        LftEdt2->setText(c.quotationLeft);
        dojOk2->setChecked(c.seal);
        break;
    }
}

void TPrtUntf::keepChoices() {
    PrintChoices c = choices_;
    switch (pageIndex_) {
    case 0:
        c.blackWhite = pKind0->Checked();
        c.invoiceMessage = WithoutMessageHint(ptMsg0->text());
        c.invoiceTop = TopEdt0->text();
        c.invoiceLeft = LftEdt0->text();
        c.preview = PrvCheck0->isChecked();
        c.formPaper = PrvFrm0->isChecked();
        c.invoiceWithTax = PrtARadio0->isChecked();
        c.seal = dojOk0->isChecked();
        break;
    case 1:
        c.blackWhite = pKind1->Checked();
        c.balanceShown = misuCk->isChecked();
        c.statementMessage = WithoutMessageHint(ptMsg1->text());
        c.statementTop = TopEdt1->text();
        c.statementLeft = LftEdt1->text();
        c.preview = PrvCheck1->isChecked();
        c.formPaper = PrvFrm1->isChecked();
        c.statementForm = PrtARadio1->isChecked();
        c.seal = dojOk1->isChecked();
        break;
    default:
        c.quotationTop = TopEdt2->text();
        c.quotationLeft = LftEdt2->text();
        c.preview = PrvCheck2->isChecked();
        c.seal = dojOk2->isChecked();
        break;
    }
    if (keep_)
        keep_(static_cast<PrintPage>(pageIndex_), c);
    choices_ = c;
}

void TPrtUntf::PrvFrm0Click() { PrvCheck0->setEnabled(!PrvFrm0->isChecked()); }

void TPrtUntf::PrvFrm1Click() {
    PrvCheck1->setEnabled(!PrvFrm1->isChecked());
    DtyPnl->setVisible(lastStatementLine_ > 12 && !(PrvFrm1->isChecked() && PrtARadio1->isChecked()));
}

void TPrtUntf::PrtARadio1Click() {
    PrvCheck1->setEnabled(PrtBRadio1->isChecked() || !PrvFrm1->isChecked());
    PrtBRadio1->setEnabled(lastStatementLine_ <= printjobs::kReceiptLines);
}

void TPrtUntf::misuCkClick() {
    Mismny->setText(QStringLiteral("0"));
    misuPnl->setEnabled(misuCk->isChecked());
    Mismny->setEnabled(misuCk->isChecked());
}

PrintOptions TPrtUntf::currentOptions() const {
    PrintOptions o;
    o.page = static_cast<PrintPage>(pageIndex_);
    auto whole = [](const QLineEdit *e) {
        const QString t = e->text().trimmed();
        return t.isEmpty() ? 0 : t.toInt();
    };
    switch (pageIndex_) {
    case 0:
        o.preview = PrvCheck0->isChecked();
        o.formPaper = PrvFrm0->isChecked();
        o.topOffset = whole(TopEdt0);
        o.leftOffset = whole(LftEdt0);
        o.blackWhite = pKind0->Checked();
        o.noDate = PakdayChek->Checked();
        o.withTax = PrtARadio0->isChecked();
        o.seal = dojOk0->isChecked();
        o.message = ptMsg0->text();
        break;
    case 1:
        o.preview = PrvCheck1->isChecked();
        o.formPaper = PrvFrm1->isChecked();
        o.topOffset = whole(TopEdt1);
        o.leftOffset = whole(LftEdt1);
        o.blackWhite = pKind1->Checked();
        o.statement = PrtARadio1->isChecked();
        o.copyChoiceShown = DtyPnl->isVisible();
        o.buyerCopy = RadioPtypeA->isChecked();
        o.balanceShown = misuCk->isChecked();
        try {
            o.balance = ParseAmount(Mismny->text()).truncated();
        } catch (const NumberConversionError &) {
            o.balance = Money();
        }
        o.seal = dojOk1->isChecked();
        o.message = ptMsg1->text();
        break;
    default:
        o.preview = PrvCheck2->isChecked();
        o.topOffset = whole(TopEdt2);
        o.leftOffset = whole(LftEdt2);
        o.seal = dojOk2->isChecked();
        break;
    }
    return o;
}

bool TPrtUntf::offsetsAreWholeNumbers(QLineEdit *top, QLineEdit *left) {
    for (auto [edit, name] :
         {std::pair{top, QStringLiteral("위쪽여백")}, std::pair{left, QStringLiteral("좌측여백")}}) {
        const QString t = edit->text().trimmed();
        bool ok = t.isEmpty();
        if (!ok)
            t.toInt(&ok);
        if (!ok) {
            ShowInfo(QStringLiteral("%1 \"%2\" 은(는) 정수가 아닙니다. 여백은 -99 에서 999 사이의 정수로 입력하세요.")
                         .arg(name, t),
                     this);
            edit->setFocus();
            edit->selectAll();
            return false;
        }
    }
    return true;
}

void TPrtUntf::runJob(const PrintOptions &options) {
    // A job already running (its preview open, or its pauses between sheets) is left to finish.
    if (running_ || !runner_)
        return;
    running_ = true;
    RunCommand(this, [&] { runner_(options); });
    running_ = false;
    if (closeAfterJob_)
        QDialog::reject();
}

QPushButton *TPrtUntf::okButton() const {
    switch (pageIndex_) {
    case 0: return mOk0;
    case 1: return mOk1;
    default: return mOk2;
    }
}

void TPrtUntf::reject() {
    if (running_) {
        // The job waits on its preview: closing the preview ends the job, and the dialog follows it.
        closeAfterJob_ = true;
        if (report::TprevUntf *preview = report::TprevUntf::current())
            preview->close();
        return;
    }
    QDialog::reject();
}

void TPrtUntf::mOk0Click() {
    if (running_)
        return;
    if (!RunCommand(this, [&] { keepChoices(); }))
        return;
    if (offsetsAreWholeNumbers(TopEdt0, LftEdt0))
        runJob(currentOptions());
}

void TPrtUntf::mOk1Click() {
    if (running_)
        return;
    if (!RunCommand(this, [&] { keepChoices(); }))
        return;
    if (offsetsAreWholeNumbers(TopEdt1, LftEdt1))
        runJob(currentOptions());
}

void TPrtUntf::mOk2Click() {
    if (running_)
        return;
    if (!RunCommand(this, [&] { keepChoices(); }))
        return;
    if (offsetsAreWholeNumbers(TopEdt2, LftEdt2))
        runJob(currentOptions());
}

void TPrtUntf::mExit0Click() { reject(); }

void TPrtUntf::mHelpClick() {
    if (pageIndex_ == 2)
        return;
    QWidget *mainWindow = editor_ && editor_->parentWidget() ? editor_->parentWidget() : editor_;
    const QString page = pageIndex_ == 0 ? QStringLiteral("freesprt.htm") : QStringLiteral("freegprt.htm");
    RunCommand(this, [&] { ShowHelpPage(mainWindow, page); });
}

void TPrtUntf::keyPressEvent(QKeyEvent *event) {
    // Enter in the message lines and the balance moves on rather than printing.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        QWidget *f = focusWidget();
        if (f == ptMsg0 || f == ptMsg1 || f == Mismny) {
            mPage->setFocus();
            return;
        }
        // A focused button takes Enter itself; from every other control Enter prints the page shown.
        if (okButton()->isEnabled())
            okButton()->click();
        return;
    }
    if (event->key() == Qt::Key_Escape) {
        mExit0Click();
        return;
    }
    QDialog::keyPressEvent(event);
}
