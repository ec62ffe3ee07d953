#include "mainU.h"

#include "commands.h"
#include "current_printer.h"
#include "frameless.h"
#include "icons.h"
#include "launch.h"
#include "look.h"
#include "mainU_picture.h"
#include "prompts.h"
#include "texts.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QScreen>
#include <QStatusTipEvent>
#include <QStyle>
#include <QToolButton>
#include <QToolTip>

namespace {

constexpr int kClientWidth = 712;
constexpr int kClientHeight = 613;
constexpr int kTitleHeight = 24; // our own caption strip
constexpr int kTopPanelHeight = 29;
constexpr int kStatusHeight = 23;

// "short|long": the tool tip shows the short part, the status bar the long one.
QString shortHint(const QString &hint) { return hint.section(u'|', 0, 0); }
QString longHint(const QString &hint) { return hint.contains(u'|') ? hint.section(u'|', 1) : hint; }

} // namespace

QString HomePageAddress() { return QStringLiteral("http://www.kelmorsoft.co.kr"); }

QString ProgramVersionText() { return QStringLiteral("V" ZARU_VERSION); }

QString FormHint() { return u' ' + HomePageAddress() + QStringLiteral("   Help 도움말[F1]"); }

Tmainf::Tmainf(EditorLauncher launcher, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), launcher_(std::move(launcher)) {
    setObjectName(QStringLiteral("mainf"));
    setWindowTitle(kAppTitle);
    QFont f(QStringLiteral("굴림"));
    f.setPixelSize(12);
    setFont(f);
    setFixedSize(kClientWidth, kClientHeight);
    setAutoFillBackground(true);

    // Tool tips: 굴림 9 on the pale green of the program's hints.
    QFont tipFont(QStringLiteral("굴림"));
    tipFont.setPointSize(9);
    QToolTip::setFont(tipFont);
    QToolTip::setPalette(look::Palette());

    // Caption strip with the title and the minimise and close buttons.
    TitleLabel = new QLabel(QStringLiteral("     ") + kAppTitle, this);
    TitleLabel->setObjectName(QStringLiteral("TopTitle"));
    QFont tf = f;
    tf.setBold(true);
    TitleLabel->setFont(tf);
    TitleLabel->setGeometry(0, 0, kClientWidth, kTitleHeight);
    TitleLabel->setAutoFillBackground(true);
    look::SetPair(TitleLabel, look::MainCaption());

    mExit0 = new QToolButton(this);
    mExit0->setObjectName(QStringLiteral("mExit0"));
    mExit0->setIcon(ToolIcon(ToolIconKind::Close));
    mExit0->setAutoRaise(true);
    mExit0->setGeometry(0, 4, 18, 16);
    mExit0->setToolTip(QStringLiteral("닫기"));
    wsMinbtn = new QToolButton(this);
    wsMinbtn->setObjectName(QStringLiteral("wsMinbtn"));
    wsMinbtn->setIcon(ToolIcon(ToolIconKind::Minimise));
    wsMinbtn->setAutoRaise(true);
    wsMinbtn->setGeometry(0, 4, 18, 16);
    wsMinbtn->setToolTip(QStringLiteral("최소화"));
    for (QToolButton *b : {mExit0, wsMinbtn}) {
        b->setStyleSheet(QStringLiteral("QToolButton { background: #dfe6f2; color: black; border: 1px solid #8fa3c8; }"));
        b->setIconSize(QSize(12, 12));
    }

    TopPnl = new QFrame(this);
    TopPnl->setObjectName(QStringLiteral("TopPnl"));
    TopPnl->setFrameShape(QFrame::Panel);
    TopPnl->setFrameShadow(QFrame::Raised);
    TopPnl->setGeometry(0, kTitleHeight, kClientWidth, kTopPanelHeight);

    auto makeDocButton = [&](const char *name, int tag, int left, const QString &caption, const QString &hint) {
        QToolButton *b = makeButton(name, hint, TopPnl);
        b->setText(caption);
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
        b->setCheckable(true);
        b->setAutoRaise(false);
        b->setProperty("Tag", tag);
        b->setGeometry(left, 2, 92, 25);
        group_->addButton(b);
        connect(b, &QToolButton::clicked, this, [this, b] { UserBtnClick(b); });
        return b;
    };
    group_ = new QButtonGroup(this);
    group_->setExclusive(true);
    duty1Btn = makeDocButton("duty1Btn", 1, 4, QStringLiteral("세금계산서"),
                             QStringLiteral("세금계산서|세금계산서를 발행합니다."));
    duty2Btn = makeDocButton("duty2Btn", 2, 97, QStringLiteral("거래명세서"),
                             QStringLiteral("거래명세서|거래명세서를 발행합니다."));
    duty3Btn = makeDocButton("duty3Btn", 3, 190, QStringLiteral("견적서작업"),
                             QStringLiteral("견적서작업|견적서를 발행합니다"));
    // The register of every document of the work folder; not one of the grouped document buttons.
    RegBtn = makeButton("RegBtn", QStringLiteral("문서목록|작업폴더의 모든 문서를 목록으로 봅니다 (Alt+L)"), TopPnl);
    RegBtn->setText(QStringLiteral("문서목록"));
    RegBtn->setToolButtonStyle(Qt::ToolButtonTextOnly);
    RegBtn->setAutoRaise(false);
    RegBtn->setGeometry(283, 2, 92, 25);
    connect(RegBtn, &QToolButton::clicked, this, &Tmainf::RegBtnClick);

    // Outside the panel and never seen: putting it down releases the document buttons.
    TmpBtn = new QToolButton(this);
    TmpBtn->setObjectName(QStringLiteral("TmpBtn"));
    TmpBtn->setCheckable(true);
    TmpBtn->hide();
    group_->addButton(TmpBtn);
    TmpBtn->setChecked(true);

    auto makeTool = [&](const char *name, ToolIconKind icon, const QString &hint) {
        QToolButton *b = makeButton(name, hint, TopPnl);
        b->setIcon(ToolIcon(icon));
        b->setIconSize(QSize(18, 18));
        b->setGeometry(0, 2, 25, 25);
        return b;
    };
    UserBtn = makeTool("UserBtn", ToolIconKind::User, QStringLiteral("사용자기록|프로그램 사용자 정보를 기록합니다."));
    UserBtn->setProperty("Tag", 0);
    HelpBtn = makeTool("HelpBtn", ToolIconKind::Help, QStringLiteral("도움말|도움말 게시판을 보여줍니다."));
    PrtStup =
        makeTool("PrtStup", ToolIconKind::Printer, QStringLiteral("PrinterSetup| 현재의 프린터설정을 변경합니다."));
    dDTZIP = makeTool("dDTZIP", ToolIconKind::Download, QStringLiteral("download|켈모르소프트 홈페이지 자료실...."));
    KelBtn = makeTool("KelBtn", ToolIconKind::Home, HomePageAddress());
    Hinfo1 = makeTool("Hinfo1", ToolIconKind::About,
                      QStringLiteral("About|") + HomePageAddress() + QStringLiteral("  Help [F1]"));
    QuitBtn = makeTool("QuitBtn", ToolIconKind::Quit, QStringLiteral("프로그램을 종료합니다."));
    QuitBtn->setAutoRaise(false);

    connect(UserBtn, &QToolButton::clicked, this, [this] { UserBtnClick(UserBtn); });
    connect(HelpBtn, &QToolButton::clicked, this, &Tmainf::HelpBtnClick);
    connect(PrtStup, &QToolButton::clicked, this, &Tmainf::PrtStupClick);
    connect(dDTZIP, &QToolButton::clicked, this, &Tmainf::dDTZIPClick);
    connect(KelBtn, &QToolButton::clicked, this, &Tmainf::KelBtnClick);
    connect(Hinfo1, &QToolButton::clicked, this, &Tmainf::Hinfo1Click);
    connect(QuitBtn, &QToolButton::clicked, this, &Tmainf::QuitBtnClick);
    connect(mExit0, &QToolButton::clicked, this, &Tmainf::QuitBtnClick);
    connect(wsMinbtn, &QToolButton::clicked, this, &Tmainf::wsMinbtnClick);

    // The framed picture in the middle of the window.
    mBevel = new QFrame(this);
    mBevel->setObjectName(QStringLiteral("mBevel"));
    mBevel->setFrameShape(QFrame::Panel);
    mBevel->setFrameShadow(QFrame::Sunken);
    mBevel->resize(361, 301);
    ZImage = new QLabel(this);
    ZImage->setObjectName(QStringLiteral("ZImage"));
    ZImage->resize(356, 295);
    ZImage->setPixmap(MainWindowPicture(ZImage->size()));

    // Status bar: the maker's name, then the current hint.
    auto *bar = new QFrame(this);
    bar->setObjectName(QStringLiteral("Msgbar"));
    bar->setGeometry(0, kClientHeight - kStatusHeight, kClientWidth, kStatusHeight);
    msgPanel0_ = new QLabel(QStringLiteral("켈모르소프트"), bar);
    msgPanel0_->setAlignment(Qt::AlignCenter);
    msgPanel0_->setFrameShape(QFrame::Panel);
    msgPanel0_->setFrameShadow(QFrame::Sunken);
    msgPanel0_->setGeometry(0, 2, 80, kStatusHeight - 2);
    msgPanel1_ = new QLabel(FormHint(), bar);
    msgPanel1_->setFrameShape(QFrame::Panel);
    msgPanel1_->setFrameShadow(QFrame::Sunken);
    msgPanel1_->setGeometry(82, 2, kClientWidth - 82, kStatusHeight - 2);

    // Keyboard menu: its items only serve as shortcuts.
    auto addKey = [this](const char *name, const QString &caption, const QKeySequence &key, int tag,
                         void (Tmainf::*slot)()) {
        auto *a = new QAction(caption, this);
        a->setObjectName(QString::fromLatin1(name));
        a->setShortcut(key);
        a->setShortcutContext(Qt::WindowShortcut);
        a->setProperty("Tag", tag);
        connect(a, &QAction::triggered, this, slot);
        addAction(a);
    };
    addKey("mHelp", QStringLiteral("도 움 말 보기"), QKeySequence(Qt::Key_F1), 1, &Tmainf::HelpBtnClick);
    addKey("KMR1", QStringLiteral("KMR 계 산 기"), QKeySequence(Qt::ALT | Qt::Key_C), 3, &Tmainf::KMR1Click);
    addKey("HInfo", QStringLiteral("켈모르소프트"), QKeySequence(Qt::ALT | Qt::Key_I), 4, &Tmainf::Hinfo1Click);
    addKey("mRegister", QStringLiteral("문 서 목 록"), QKeySequence(Qt::ALT | Qt::Key_L), 5, &Tmainf::RegBtnClick);
    addKey("N14", QStringLiteral("작 업 종 료"), QKeySequence(Qt::ALT | Qt::Key_X), 0, &Tmainf::QuitBtnClick);

    FormResize();
    EnableDragByBarePoints(this);

    // Centred on the screen.
    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

QToolButton *Tmainf::makeButton(const char *name, const QString &hint, QWidget *parent) {
    auto *b = new QToolButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoRaise(true);
    b->setToolTip(shortHint(hint));
    b->setStatusTip(longHint(hint));
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

QString Tmainf::hintText() const { return msgPanel1_->text(); }

void Tmainf::showHint(const QString &hint) { msgPanel1_->setText(hint.isEmpty() ? FormHint() : u' ' + hint); }

bool Tmainf::event(QEvent *e) {
    if (e->type() == QEvent::StatusTip) {
        showHint(static_cast<QStatusTipEvent *>(e)->tip());
        return true;
    }
    return QWidget::event(e);
}

void Tmainf::showEvent(QShowEvent *event) {
    captionAdj_ = CaptionAdjFor(style()->pixelMetric(QStyle::PM_TitleBarHeight));
    QWidget::showEvent(event);
}

void Tmainf::resizeEvent(QResizeEvent *event) {
    QWidget::resizeEvent(event);
    FormResize();
}

void Tmainf::FormResize() {
    const int W = width();
    const int H = height();
    const int v = IsWinVista() ? 6 : 0;
    QuitBtn->move(W - v - 35, QuitBtn->y());
    mExit0->move(W - v - 27, mExit0->y());
    wsMinbtn->move(W - v - 45, wsMinbtn->y());
    Hinfo1->move(W - v - 62, Hinfo1->y());
    KelBtn->move(W - v - 88, KelBtn->y());
    dDTZIP->move(W - v - 115, dDTZIP->y());
    PrtStup->move(W - v - 141, PrtStup->y());
    HelpBtn->move(W - v - 167, HelpBtn->y());
    UserBtn->move(W - v - 192, UserBtn->y());
    mBevel->move((W - mBevel->width()) / 2 - 10, (H - mBevel->height()) / 2 - 20);
    ZImage->move(mBevel->x() + 3, mBevel->y() + 3);
}

void Tmainf::setDocumentButtonsFlat(bool flat) {
    for (QToolButton *b : {QuitBtn, duty1Btn, duty2Btn, duty3Btn})
        b->setAutoRaise(flat);
}

void Tmainf::UserBtnClick(QObject *sender) {
    setDocumentButtonsFlat(true);
    pageKind_ = sender->property("Tag").toInt() - (duty2Btn->isChecked() ? 1 : 0) - (duty3Btn->isChecked() ? 1 : 0);
    const bool statement = duty2Btn->isChecked();
    RunCommand(this, [&] {
        if (launcher_)
            launcher_(this, pageKind_, statement, captionAdj_);
    });
    TmpBtn->setChecked(true);
    setDocumentButtonsFlat(false);
}

void Tmainf::QuitBtnClick() {
    if (!AskYesNo(QStringLiteral("작업을 종료하겠습니까??"), this))
        return;
    quitConfirmed_ = true;
    close();
}

void Tmainf::closeEvent(QCloseEvent *event) {
    // Closed by the window system rather than by our own buttons: ask the same question.
    if (!quitConfirmed_ && !AskYesNo(QStringLiteral("작업을 종료하겠습니까??"), this)) {
        event->ignore();
        return;
    }
    quitConfirmed_ = true;
    event->accept();
    // Closing the main window ends the program, also while help or download pages are still open. The
    // quit is queued: while this window is still closing, the application would refuse it.
    QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit, Qt::QueuedConnection);
}

void Tmainf::HelpBtnClick() { ShowHelpPage(QStringLiteral("freemain.htm")); }

void Tmainf::ShowHelpPage(const QString &pageName) {
    RunCommand(this, [&] { ::ShowHelpPage(this, pageName); });
}

void Tmainf::dDTZIPClick() {
    RunCommand(this, [&] { ShowDownloadPage(this, captionAdj_); });
}

void Tmainf::KelBtnClick() { OpenInBrowser(HomePageAddress()); }

void Tmainf::Hinfo1Click() {
    RunCommand(this, [&] { ShowAboutBox(ProgramVersionText(), kAppTitle); });
}

void Tmainf::PrtStupClick() {
    RunCommand(this, [&] { prompts().printerSetup(this, CurrentPrinter()); });
}

void Tmainf::wsMinbtnClick() { showMinimized(); }

void Tmainf::KMR1Click() {
    RunCommand(this, [] { RunCalculator(); });
}

void Tmainf::RegBtnClick() {
    RunCommand(this, [this] {
        if (registerLauncher_)
            registerLauncher_(this, captionAdj_);
    });
}
