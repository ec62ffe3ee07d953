// The editor window's frame: construction, placement and title, closing, and the keyboard menu.
#include "subUnt.h"

#include "commands.h"
#include "frameless.h"
#include "launch.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>
#include <QStackedWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

void TsubUntf::runCommand(void (TsubUntf::*command)()) {
    RunCommand(this, [this, command] { (this->*command)(); });
}

void TsubUntf::bindCommand(QAbstractButton *button, void (TsubUntf::*command)()) {
    connect(button, &QAbstractButton::clicked, this, [this, command] { runCommand(command); });
}

void TsubUntf::bindCommand(QAction *action, void (TsubUntf::*command)()) {
    connect(action, &QAction::triggered, this, [this, command] { runCommand(command); });
}

TsubUntf::TsubUntf(QWidget *mainWindow, int pageKind, bool statementButtonDown, int captionAdj)
    : QDialog(mainWindow, Qt::Dialog | Qt::FramelessWindowHint), mainWindow_(mainWindow),
      pageKind_(qBound(0, pageKind, 2)), statementButtonDown_(statementButtonDown), captionAdj_(captionAdj) {
    setObjectName(QStringLiteral("subUntf"));
    // Modal to the main window only: the help window and the companion tools stay usable beside it.
    setWindowModality(Qt::WindowModal);
    QFont f(QStringLiteral("굴림"));
    f.setPixelSize(12);
    setFont(f);
    buildFrame();
    installBuyerBook();
    buildKeyboardMenu();
    EnableDragByBarePoints(this);
    // The open document's lock is touched every minute, so that other PCs see it alive.
    auto *lockTimer = new QTimer(this);
    lockTimer->setInterval(60 * 1000);
    connect(lockTimer, &QTimer::timeout, this, [this] { lock_.refresh(); });
    lockTimer->start();
}

TsubUntf::~TsubUntf() { detachGridBehaviour(); }

DocumentKind TsubUntf::CurrentKind() const {
    switch (mPage->currentIndex()) {
    case 0: return DocumentKind::Registration;
    case 1: return sPage->currentIndex() == 1 ? DocumentKind::Statement : DocumentKind::TaxInvoice;
    default: return DocumentKind::Quotation;
    }
}

TsubUntf::Placement TsubUntf::PlacementFor(DocumentKind kind, const QRect &mainFrame, int captionAdj) {
    const int T = mainFrame.top(), L = mainFrame.left(), W = mainFrame.width();
    switch (kind) {
    case DocumentKind::Registration:
        return {QRect(L + (W - 450) / 2, T + 140, 450, 370), QStringLiteral("사용자정보등록")};
    case DocumentKind::TaxInvoice:
        return {QRect(L + (W - 685) / 2, T + 100, 685, 385), QStringLiteral("세금계산서 작성")};
    case DocumentKind::Statement:
        return {QRect(L + (W - 710) / 2, T + 70, 710, 515), QStringLiteral("거래명세서 작성")};
    case DocumentKind::Quotation:
        return {QRect(L + (W - 680) / 2, T - captionAdj + 50, 680, 550), QStringLiteral("견적서 작성")};
    }
    return {};
}

void TsubUntf::place(DocumentKind kind) {
    Placement p = PlacementFor(kind, mainWindow_ ? mainWindow_->frameGeometry() : QRect(), captionAdj_);
    if (!mainWindow_) {
        const QScreen *screen = QGuiApplication::primaryScreen();
        const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
        p.bounds.moveCenter(area.center());
    }
    // Never shorter than the page's controls need to show whole: the quotation's grid keeps its header
    // row and all twenty lines in view, which the designed 550 pixels cannot hold in this window's fonts.
    if (const QWidget *page = mPage->currentWidget())
        p.bounds.setHeight(qMax(p.bounds.height(), TopTitle->height() + page->minimumSizeHint().height()));
    setGeometry(p.bounds);
    setFixedSize(p.bounds.size());
    setWindowTitle(p.title);
    TopTitle->setText(QStringLiteral("     ") + p.title);
    mExit0->move(width() - 25, mExit0->y());
    mClose1->move(width() - 43, mClose1->y());
    mClose2->move(width() - 58, mClose2->y());
}

void TsubUntf::showEvent(QShowEvent *event) {
    if (!shown_) {
        shown_ = true;
        RunCommand(this, [this] { FormShow(); });
    }
    QDialog::showEvent(event);
}

void TsubUntf::FormShow() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    struct RestoreCursor {
        ~RestoreCursor() { QApplication::restoreOverrideCursor(); }
    } restore;

    mPage->setCurrentIndex(pageKind_);
    switch (pageKind_) {
    case pkRegistration:
        place(DocumentKind::Registration);
        fillRegistrationPage();
        SanghoEdit->setFocus();
        break;
    case pkInvoiceOrStatement:
        mPanl2->setVisible(!statementButtonDown_);
        mPanl3->setVisible(statementButtonDown_);
        sPage->setCurrentIndex(statementButtonDown_ ? 1 : 0);
        modified_ = false;
        if (!statementButtonDown_) {
            place(DocumentKind::TaxInvoice);
            fileExt_ = QStringLiteral("Dy5");
            fileFilterIndex_ = 1;
            setUpInvoiceGrid();
        } else {
            place(DocumentKind::Statement);
            fileExt_ = QStringLiteral("Gy5");
            fileFilterIndex_ = 2;
            setUpStatementGrid();
        }
        NewfileClick();
        break;
    default:
        setUpQuotationGrid();
        place(DocumentKind::Quotation);
        modified_ = false;
        NewkfileClick();
        break;
    }
}

void TsubUntf::keyPressEvent(QKeyEvent *event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TsubUntf::mExit0Click() { reject(); }

void TsubUntf::reject() {
    bool leave = false;
    RunCommand(this, [this, &leave] { leave = CommitPendingEdit() && ConfirmDropChanges(); });
    if (leave)
        QDialog::reject();
}

void TsubUntf::buildKeyboardMenu() {
    // Never shown; its items are the window's keyboard shortcuts on every page.
    PupMu = new QMenu(this);
    PupMu->setObjectName(QStringLiteral("PupMu"));
    struct Item {
        const char16_t *name;
        const char16_t *caption;
        QKeySequence key;
        void (TsubUntf::*command)();
        QAction **member;
    };
    const Item items[] = {
        {u"mHelp", u"도 움 말 보기", QKeySequence(Qt::Key_F1), &TsubUntf::mHelpClick, nullptr},
        {u"KMR1", u"KMR 계 산 기", QKeySequence(Qt::ALT | Qt::Key_C), &TsubUntf::KMR1Click, nullptr},
        {u"N1", u"파일열기", QKeySequence(Qt::ALT | Qt::Key_O), &TsubUntf::N1Click, &N1},
        {u"N2", u"신규파일", QKeySequence(Qt::ALT | Qt::Key_N), &TsubUntf::N2Click, &N2},
        {u"N3", u"파일저장(1)", QKeySequence(Qt::ALT | Qt::Key_S), &TsubUntf::N3Click, &N3},
        {u"N21", u"파일저장(2)", QKeySequence(Qt::CTRL | Qt::Key_S), &TsubUntf::N3Click, &N21},
        {u"N4", u"내용인쇄", QKeySequence(Qt::ALT | Qt::Key_P), &TsubUntf::PrtBtnClick, &N4},
        {u"OpenR", u"OpenR", QKeySequence(Qt::ALT | Qt::Key_R), &TsubUntf::OpenRClick, nullptr},
    };
    for (const Item &item : items) {
        QAction *action = PupMu->addAction(QString::fromUtf16(item.caption));
        action->setObjectName(QString::fromUtf16(item.name));
        action->setShortcut(item.key);
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
        bindCommand(action, item.command);
        if (item.member)
            *item.member = action;
    }
}

void TsubUntf::N1Click() {
    if (prtUntf_)
        return;
    if (mPage->currentIndex() == 1)
        fOpenClick();
    else if (mPage->currentIndex() == 2)
        kOpenClick();
}

void TsubUntf::N2Click() {
    if (prtUntf_)
        return;
    if (mPage->currentIndex() == 1)
        NewfileClick();
    else if (mPage->currentIndex() == 2)
        NewkfileClick();
}

void TsubUntf::N3Click() {
    if (prtUntf_)
        return;
    if (mPage->currentIndex() == 1)
        SaveBtnClick();
    else if (mPage->currentIndex() == 2)
        SavekBtnClick();
}

void TsubUntf::KMR1Click() { RunCalculator(); }
