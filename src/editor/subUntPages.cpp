// Construction of the editor's pages: every control with its component name, caption, mask, Tag and hint.
// Panels stack from top to bottom; inside a panel the controls sit at fixed positions, as the window has a
// fixed size for each page.
#include "subUnt.h"

#include "ChkEdit.h"
#include "HStrGrid.h"
#include "editorIcons.h"
#include "icons.h"
#include "input_method.h"
#include "look.h"
#include "masks.h"

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kEditHeight = 20;

// A hint holds a short and a long text separated by "|": the tool tip and the status text.
void setHint(QWidget *w, const QString &hint) {
    const qsizetype bar = hint.indexOf(u'|');
    const QString shortText = bar < 0 ? hint : hint.left(bar);
    const QString longText = bar < 0 ? hint : hint.mid(bar + 1);
    w->setToolTip(shortText);
    w->setStatusTip(longText);
}

// The frames and faces of the digit boxes, painted in one piece under them: neighbouring boxes share a
// line two pixels wide. Each box drawing a frame of its own gave lines of 2, 3 or 4 screen pixels at a
// scale of 1.5; one fill of two pixels is always three there.
class DigitBoxFrames : public QWidget {
public:
    explicit DigitBoxFrames(QWidget *parent) : QWidget(parent) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    void addBox(const QRect &box) {
        boxes_.append(box);
        QRect all;
        for (const QRect &b : std::as_const(boxes_))
            all |= b;
        setGeometry(all);
        lower();
    }

protected:
    void paintEvent(QPaintEvent *) override {
        QPainter painter(this);
        const look::Pair field = look::Field();
        for (const QRect &box : std::as_const(boxes_)) {
            const QRect r = box.translated(-pos());
            painter.fillRect(r, field.text);
            painter.fillRect(r.adjusted(1, 1, -1, -1), field.background);
        }
    }

private:
    QList<QRect> boxes_;
};

template <typename W> W *named(W *w, const char16_t *name) {
    w->setObjectName(QString::fromUtf16(name));
    return w;
}

QFrame *panel(QWidget *parent, const char16_t *name, int height) {
    auto *p = named(new QFrame(parent), name);
    p->setFrameShape(QFrame::StyledPanel);
    p->setFrameShadow(QFrame::Raised);
    p->setFixedHeight(height);
    return p;
}

QLabel *label(QWidget *parent, const QString &text, int x, int y, int w = -1, int h = kEditHeight) {
    auto *l = new QLabel(text, parent);
    l->setTextFormat(Qt::PlainText);
    if (w < 0)
        w = l->fontMetrics().horizontalAdvance(text) + 4;
    l->setGeometry(x, y, w, h);
    return l;
}

QLabel *label(QWidget *parent, const char16_t *text, int x, int y, int w = -1, int h = kEditHeight) {
    return label(parent, QString::fromUtf16(text), x, y, w, h);
}

QLineEdit *edit(QWidget *parent, const char16_t *name, int tag, int x, int y, int w) {
    auto *e = named(new QLineEdit(parent), name);
    e->setGeometry(x, y, w, kEditHeight);
    if (tag > 0)
        e->setProperty("Tag", tag);
    return e;
}

QLineEdit *maskedEdit(QWidget *parent, const char16_t *name, int tag, int x, int y, int w, const QString &mask,
                      int maxLength) {
    QLineEdit *e = edit(parent, name, tag, x, y, w);
    ApplyEditMask(e, mask);
    e->setMaxLength(maxLength);
    return e;
}

QLineEdit *amountEdit(QWidget *parent, const char16_t *name, int x, int y, int w, bool readOnly) {
    QLineEdit *e = edit(parent, name, 0, x, y, w);
    e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    e->setReadOnly(readOnly);
    e->setText(QStringLiteral("0"));
    MarkNumbersOnly(e);
    return e;
}

void bold(QWidget *w) {
    QFont f = w->font();
    f.setBold(true);
    w->setFont(f);
}

QToolButton *toolButton(QWidget *parent, const char16_t *name, const QIcon &icon, const char16_t *hint, int x) {
    auto *b = named(new QToolButton(parent), name);
    b->setIcon(icon);
    b->setIconSize(QSize(20, 20));
    b->setAutoRaise(true);
    b->setGeometry(x, 2, 25, 25);
    b->setFocusPolicy(Qt::NoFocus);
    setHint(b, QString::fromUtf16(hint));
    return b;
}

THStringGrid *grid(QWidget *parent, const char16_t *name, int rows, int columns) {
    auto *g = named(new THStringGrid(rows, columns, parent), name);
    g->setFixedRowCount(1);
    g->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    g->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setHint(g, QStringLiteral("|파일열기 Alt+O, 신규파일 Alt+N, 파일저장 Alt+S, 행 삭제 Alt+D, 내용인쇄 Alt+P, "
                              "특수문자F11, Help F1"));
    return g;
}

QVBoxLayout *stack(QWidget *w) {
    auto *l = new QVBoxLayout(w);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(0);
    return l;
}

} // namespace

void TsubUntf::buildFrame() {
    QVBoxLayout *layout = stack(this);
    TopTitle = named(new QLabel(this), u"TopTitle");
    TopTitle->setFixedHeight(20);
    bold(TopTitle);
    TopTitle->setAutoFillBackground(true);
    look::SetPair(TopTitle, look::EditorCaption());
    layout->addWidget(TopTitle);

    mPage = named(new QStackedWidget(this), u"mPage");
    mPage->addWidget(buildRegistrationPage());
    mPage->addWidget(buildDocumentPage());
    mPage->addWidget(buildQuotationPage());
    layout->addWidget(mPage);

    // The "x" close button lies on the title.
    mExit0 = named(new QToolButton(this), u"mExit0");
    mExit0->setText(QStringLiteral("x"));
    bold(mExit0);
    mExit0->setAutoRaise(true);
    look::SetPair(mExit0, look::EditorCaption(), QPalette::Button, QPalette::ButtonText);
    mExit0->setGeometry(width() - 25, 2, 17, 16);
    mExit0->setFocusPolicy(Qt::NoFocus);
    mExit0->setToolTip(QStringLiteral("닫기"));
    mExit0->raise();
    bindCommand(mExit0, &TsubUntf::mExit0Click);

    // Hidden number-check controls.
    ckBsinsNo = named(new TChkEdit(this), u"ckBsinsNo");
    ckBsinsNo->SetKind(TChkKind::ceBussiness);
    ckBsinsNo->hide();
    ChkJumin = named(new TChkEdit(this), u"ChkJumin");
    ChkJumin->SetKind(TChkKind::ceCitizen);
    ChkJumin->hide();
}

// Page 0: the supplier registration.
QWidget *TsubUntf::buildRegistrationPage() {
    auto *page = named(new QWidget, u"TabSheet0");
    struct Field {
        const char16_t *caption;
        const char16_t *name;
        int width;
    };
    const Field fields[] = {
        {u"상      호", u"SanghoEdit", 330}, {u"대  표  자", u"NameEdit", 150},   {u"전화번호", u"TelEdit", 150},
        {u"업       태", u"UpteaEdit", 150}, {u"업      종", u"UpjongEdit", 150}, {u"사업자No", u"SanoEdit", 110},
        {u"주      소", u"AddrEdit", 330},
    };
    QLineEdit **members[] = {&SanghoEdit, &NameEdit, &TelEdit, &UpteaEdit, &UpjongEdit, &SanoEdit, &AddrEdit};
    const int left = 20, editLeft = 95, top = 14, step = 26;
    for (int i = 0; i < 7; ++i) {
        const int y = top + i * step;
        label(page, fields[i].caption, left, y, 70);
        if (i == 5)
            *members[i] = maskedEdit(page, fields[i].name, i + 1, editLeft, y, fields[i].width,
                                     QStringLiteral("###-##-#####;1;_"), 12);
        else
            *members[i] = edit(page, fields[i].name, i + 1, editLeft, y, fields[i].width);
    }
    SanghoEdit->setMaxLength(40);
    // The e-mail for electronic tax invoices, beside the business number.
    const int mailRow = top + 5 * step;
    label(page, u"이메일", 215, mailRow, 46);
    MailEdit = edit(page, u"MailEdit", 0, 265, mailRow, 160);
    MailEdit->setMaxLength(40);
    MailEdit->setToolTip(QStringLiteral("전자세금계산서를 받을 이메일 주소입니다 (선택)."));
    setTabOrder(SanoEdit, MailEdit);
    setTabOrder(MailEdit, AddrEdit);

    const int sealRow = top + 7 * step;
    label(page, u"도장그림", left, sealRow, 70);
    imgDir = edit(page, u"imgDir", 0, editLeft, sealRow, 305);
    auto *browse = named(new QToolButton(page), u"imgDirBtn");
    browse->setIcon(EditorToolIcon(EditorIcon::Browse));
    browse->setGeometry(editLeft + 307, sealRow, 23, kEditHeight);
    browse->setToolTip(QStringLiteral("도장그림을 선택합니다."));
    bindCommand(browse, &TsubUntf::imgDirBrowse);
    connect(imgDir, &QLineEdit::textChanged, this, [this] { imgDirChange(); });

    const int useRow = sealRow + step + 2;
    QLabel *useLabel = label(page, u"  도장사용有無ː", left - 8, useRow);
    auto *useGroup = new QWidget(page);
    useGroup->setGeometry(useLabel->geometry().right() + 8, useRow, 200, kEditHeight);
    dojOk = named(new QRadioButton(QStringLiteral("사용함"), useGroup), u"dojOk");
    dojOk->setGeometry(0, 0, 80, kEditHeight);
    dojVoid = named(new QRadioButton(QStringLiteral("사용 안함"), useGroup), u"dojVoid");
    dojVoid->setGeometry(85, 0, 100, kEditHeight);
    dojVoid->setChecked(true);

    auto *sealBox = named(new QGroupBox(QStringLiteral("사용도장"), page), u"sealBox");
    sealBox->setGeometry(345, top + step - 4, 80, 85);
    dojmge = named(new QLabel(sealBox), u"dojmge");
    dojmge->setGeometry(7, 16, 66, 65);
    dojmge->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    const int notes = useRow + step + 6;
    label(page, u"※ 도장그림의 크기는 좌측 [사용도장]에서", left, notes, -1, 16);
    label(page, u"설정하고 있는 크기를 벗어나면 안됩니다.", left + 16, notes + 17, -1, 16);
    label(page, u"일반적으로 65x65픽셀 크기면 적당합니다.", left + 16, notes + 34, -1, 16);

    auto *msOk0 = named(new QPushButton(QStringLiteral("적용"), page), u"msOk0");
    msOk0->setGeometry(262, 312, 80, 26);
    msOk0->setAutoDefault(false);
    bindCommand(msOk0, &TsubUntf::msOk0Click);
    auto *mVoide0 = named(new QPushButton(QStringLiteral("취소"), page), u"mVoide0");
    mVoide0->setGeometry(350, 312, 80, 26);
    mVoide0->setAutoDefault(false);
    bindCommand(mVoide0, &TsubUntf::mExit0Click);
    return page;
}

QWidget *TsubUntf::buildToolPanel(bool quotation) {
    QFrame *p = panel(nullptr, quotation ? u"mPanl02" : u"mPanl01", 30);
    QToolButton *close = toolButton(p, quotation ? u"mClose2" : u"mClose1", ToolIcon(ToolIconKind::Close),
                                    u"닫기| 메인화면으로 복귀 합니다.", 650);
    bindCommand(close, &TsubUntf::mExit0Click);
    struct Button {
        const char16_t *invoiceName;
        const char16_t *quotationName;
        QIcon icon;
        const char16_t *hint;
        void (TsubUntf::*invoiceCommand)();
        void (TsubUntf::*quotationCommand)();
    };
    const Button buttons[] = {
        {u"fOpen", u"kOpen", EditorToolIcon(EditorIcon::Open), u"파일열기|저장되어있는 기존파일을 불러옵니다. Alt+O",
         &TsubUntf::fOpenClick, &TsubUntf::kOpenClick},
        {u"Newfile", u"Newkfile", EditorToolIcon(EditorIcon::New), u"새파일|새로운 파일을 작성합니다. Alt+N",
         &TsubUntf::NewfileClick, &TsubUntf::NewkfileClick},
        {u"SaveBtn", u"SavekBtn", EditorToolIcon(EditorIcon::Save), u"자료저장|자료를 저장합니다. Alt+S",
         &TsubUntf::SaveBtnClick, &TsubUntf::SavekBtnClick},
        {u"RnameBtn", u"RnamekBtn", EditorToolIcon(EditorIcon::SaveAs),
         u"딴이름으로저장|현재의 자료를 다른 화일명으로 저장합니다.", &TsubUntf::RnameBtnClick,
         &TsubUntf::RnamekBtnClick},
        {u"PrtBtn", u"PrtkBtn", ToolIcon(ToolIconKind::Printer), u"인쇄|현재의 내용을 인쇄합니다. Alt+P",
         &TsubUntf::PrtBtnClick, &TsubUntf::PrtBtnClick},
        {u"GridCal", u"kGridCalc", EditorToolIcon(EditorIcon::Recalculate),
         u"재계산|현재 입력된 내용을 재계산합니다. Alt+R", &TsubUntf::GridCalClick, &TsubUntf::GridCalClick},
        {u"ExlBtn0", u"ExlBtn2", EditorToolIcon(EditorIcon::Spreadsheet),
         u"엑셀전송|현재의  내용을 엑셀파일로 변환합니다.", &TsubUntf::ExlBtnClick, &TsubUntf::ExlBtnClick},
    };
    int x = 4;
    for (const Button &b : buttons) {
        QToolButton *button = toolButton(p, quotation ? b.quotationName : b.invoiceName, b.icon, b.hint, x);
        bindCommand(button, quotation ? b.quotationCommand : b.invoiceCommand);
        x += 27;
    }
    // The file name, in a sunken bevel as wide as the label.
    QFrame *bevel = named(new QFrame(p), quotation ? u"knameBevl" : u"fnameBevl");
    bevel->setFrameShape(QFrame::Panel);
    bevel->setFrameShadow(QFrame::Sunken);
    bevel->setGeometry(x + 8, 4, 10, 21);
    QLabel *name = named(new QLabel(p), quotation ? u"kNameLabl" : u"fNameLabl");
    name->setTextFormat(Qt::PlainText);
    name->setGeometry(x + 8, 4, 10, 21);
    name->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    name->setIndent(4);
    if (quotation) {
        mClose2 = close;
        kNameLabl = name;
        knameBevl = bevel;
    } else {
        mClose1 = close;
        fNameLabl = name;
        fnameBevl = bevel;
    }
    return p;
}

// Page 1: tax invoice and transaction statement.
QWidget *TsubUntf::buildDocumentPage() {
    auto *page = named(new QWidget, u"TabSheet1");
    QVBoxLayout *layout = stack(page);
    layout->addWidget(buildToolPanel(false));
    layout->addWidget(buildPartyPanel());
    mPanl2 = buildInvoiceHeaderPanel();
    layout->addWidget(mPanl2);
    mPanl3 = buildStatementHeaderPanel();
    layout->addWidget(mPanl3);
    sPage = named(new QStackedWidget(page), u"sPage");
    sPage->addWidget(buildInvoiceSheet());
    sPage->addWidget(buildStatementSheet());
    layout->addWidget(sPage, 1);
    return page;
}

QWidget *TsubUntf::buildPartyPanel() {
    QFrame *p = panel(nullptr, u"mPanl1", 108);
    setHint(p, QStringLiteral("|파일열기 Alt+O, 신규파일 Alt+N, 파일저장 Alt+S, 내용인쇄 Alt+P, 특수문자F11, Help F1"));
    const int rows[4] = {20, 42, 64, 86};
    const char16_t *no = u"Ｎｏ:";

    // Supplier block.
    int x = 4;
    QLabel *supplier = label(p, u"[공   급   자]", x, 1, -1, 18);
    bold(supplier);
    label(p, no, x, rows[0], 32);
    aSaNo = maskedEdit(p, u"aSaNo", 1, x + 32, rows[0], 104, QStringLiteral("###-##-#####;1;_"), 12);
    bold(aSaNo);
    label(p, u"상호:", x, rows[1], 32);
    aSangho = edit(p, u"aSangho", 2, x + 32, rows[1], 142);
    label(p, u"대표:", x + 178, rows[1], 32);
    aName = edit(p, u"aName", 3, x + 210, rows[1], 124);
    label(p, u"주소:", x, rows[2], 32);
    aAddr = edit(p, u"aAddr", 4, x + 32, rows[2], 302);
    label(p, u"업태:", x, rows[3], 32);
    aUpTea = edit(p, u"aUpTea", 5, x + 32, rows[3], 142);
    label(p, u"업종:", x + 178, rows[3], 32);
    aUpJong = edit(p, u"aUpJong", 6, x + 210, rows[3], 124);

    // Buyer block.
    x = 344;
    QLabel *buyer = label(p, u"[공급받는자]", x, 1, -1, 18);
    bold(buyer);
    label(p, no, x, rows[0], 32);
    xPage = named(new QStackedWidget(p), u"xPage");
    xPage->setGeometry(x + 32, rows[0], 118, kEditHeight);
    bSaNo = maskedEdit(nullptr, u"bSaNo", 7, 0, 0, 104, QStringLiteral("###-##-#####;1;_"), 12);
    JuMinNo = maskedEdit(nullptr, u"JuMinNo", 7, 0, 0, 118, QStringLiteral("######-#######;1;_"), 14);
    bold(bSaNo);
    bold(JuMinNo);
    auto *businessPage = new QWidget;
    bSaNo->setParent(businessPage);
    auto *personPage = new QWidget;
    JuMinNo->setParent(personPage);
    xPage->addWidget(businessPage);
    xPage->addWidget(personPage);
    Gbn = named(new QComboBox(p), u"Gbn");
    Gbn->addItems({QStringLiteral("업체"), QStringLiteral("개인")});
    Gbn->setGeometry(x + 156, rows[0] - 1, 62, kEditHeight + 2);
    label(p, u"상호:", x, rows[1], 32);
    bSangho = edit(p, u"bSangho", 8, x + 32, rows[1], 142);
    label(p, u"대표:", x + 178, rows[1], 32);
    bName = edit(p, u"bName", 9, x + 210, rows[1], 124);
    label(p, u"주소:", x, rows[2], 32);
    bAddr = edit(p, u"bAddr", 10, x + 32, rows[2], 302);
    label(p, u"업태:", x, rows[3], 32);
    bUpTea = edit(p, u"bUpTea", 11, x + 32, rows[3], 142);
    label(p, u"업종:", x + 178, rows[3], 32);
    bUpJong = edit(p, u"bUpJong", 12, x + 210, rows[3], 124);
    return p;
}

QWidget *TsubUntf::buildInvoiceHeaderPanel() {
    QFrame *p = panel(nullptr, u"mPanl2", 50);
    const int rowA = 1, rowB = 15, rowC = 29, boxHeight = 19;

    // Issue date.
    label(p, u" 작        성", 2, rowA, 78, 14);
    label(p, u" 년  월   일", 2, rowB, 78, 14);
    DayEdt = maskedEdit(p, u"DayEdt", 13, 2, rowC, 78, QStringLiteral("9999.99.99;1;_"), 10);
    DayEdt->setFixedHeight(boxHeight);

    // Book number and serial number.
    const QString optionalHint = QStringLiteral("|기록해야할 필수항목은 아닙니다.");
    label(p, u"    책     번     호", 84, rowA + 6, 104, 14);
    DtyfNo = edit(p, u"DtyfNo", 14, 84, rowC, 34);
    DtyfNo->setFixedHeight(boxHeight);
    DtyfNo->setMaxLength(3);
    DtyfNo->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    DtyfNo->setText(QStringLiteral("1"));
    setHint(DtyfNo, optionalHint);
    label(p, u"권", 119, rowC, 16, boxHeight);
    DtyeNo = edit(p, u"DtyeNo", 15, 136, rowC, 34);
    DtyeNo->setFixedHeight(boxHeight);
    DtyeNo->setMaxLength(3);
    DtyeNo->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    DtyeNo->setText(QStringLiteral("1"));
    setHint(DtyeNo, optionalHint);
    label(p, u"호", 171, rowC, 16, boxHeight);
    label(p, u"일련N0", 194, rowA + 6, 62, 14)->setAlignment(Qt::AlignCenter);
    DtysNo = maskedEdit(p, u"DtysNo", 16, 194, rowC, 62, QStringLiteral("##-####;1;_"), 7);
    DtysNo->setFixedHeight(boxHeight);
    setHint(DtysNo, optionalHint);

    // Digit boxes of the supply value and the tax, with the blank count.
    auto *frames = new DigitBoxFrames(p);
    auto digitBox = [&](const QString &name, int x, int w) {
        auto *box = new QLabel(QStringLiteral("0"), p);
        box->setObjectName(name);
        // The digit stands on the face the frames paint under it; its colour goes with that face.
        look::SetPair(box, look::Field());
        box->setAlignment(Qt::AlignCenter);
        box->setGeometry(x, rowC, w, boxHeight);
        frames->addBox(box->geometry());
        return box;
    };
    auto placeCaption = [&](const char16_t *text, int x, int w) {
        QLabel *l = label(p, text, x, rowB, w, 14);
        QFont f = l->font();
        f.setPixelSize(11);
        l->setFont(f);
        l->setAlignment(Qt::AlignCenter);
    };
    const int cell = 17;
    const int supplyLeft = 262, blankWidth = 26;
    label(p, u"           공         급         가         액", supplyLeft, rowA, blankWidth + 11 * cell, 14);
    placeCaption(u"공란", supplyLeft, blankWidth);
    digitBox(QStringLiteral("La12"), supplyLeft, blankWidth);
    const char16_t *supplyPlaces[11] = {u" 백", u" 십", u" 억", u" 천", u" 백", u" 십",
                                        u" 만", u" 천", u" 백", u" 십", u" 일"};
    for (int i = 0; i < 11; ++i) {
        const int x = supplyLeft + blankWidth + i * cell;
        placeCaption(supplyPlaces[i], x, cell);
        digitBox(QStringLiteral("La%1").arg(11 - i), x, cell);
    }
    const int taxLeft = supplyLeft + blankWidth + 11 * cell + 6;
    label(p, u"           세                      액", taxLeft, rowA, 10 * cell, 14);
    const char16_t *taxPlaces[10] = {u" 십", u" 억", u" 천", u" 백", u" 십", u" 만", u" 천", u" 백", u" 십", u" 일"};
    for (int i = 0; i < 10; ++i) {
        const int x = taxLeft + i * cell;
        placeCaption(taxPlaces[i], x, cell);
        digitBox(QStringLiteral("Lb%1").arg(10 - i), x, cell);
    }
    return p;
}

QWidget *TsubUntf::buildStatementHeaderPanel() {
    QFrame *p = panel(nullptr, u"mPanl3", 30);
    label(p, u"작 성", 6, 5, 34);
    grDay = maskedEdit(p, u"grDay", 17, 40, 5, 80, QStringLiteral("9999.99.99;1;_"), 10);
    label(p, u"거래내용", 132, 5, 56);
    grEdit = edit(p, u"grEdit", 18, 188, 5, 320);
    setHint(grEdit, QStringLiteral("거래내용|세금계산서에서 불렸을 때 내용이 되는 부분..... "));
    label(p, u"←※ 참고사항 기록", 514, 5);
    return p;
}

QWidget *TsubUntf::buildInvoiceSheet() {
    auto *sheet = new QWidget;
    QVBoxLayout *layout = stack(sheet);
    dGrid = grid(sheet, u"dGrid", 6, 9);
    layout->addWidget(dGrid, 0, Qt::AlignLeft | Qt::AlignTop);

    QFrame *p = panel(nullptr, u"BtmPnl1", 47);
    struct Amount {
        const char16_t *caption;
        const char16_t *name;
        QLineEdit **member;
        bool readOnly;
    };
    const Amount amounts[] = {
        {u"합 계 금 액", u"Totmy", &Totmy, true},       {u"현   금", u"Cashmy", &Cashmy, false},
        {u"수      표", u"Checkmy", &Checkmy, false},   {u"어      음", u"Billmy", &Billmy, false},
        {u"외상미수금", u"Creditmy", &Creditmy, false},
    };
    int x = 4;
    for (const Amount &a : amounts) {
        label(p, a.caption, x, 2, 98, 16)->setAlignment(Qt::AlignCenter);
        *a.member = amountEdit(p, a.name, x, 20, 98, a.readOnly);
        x += 101;
    }
    // "이 금액을 (영수/청구) 함": the two choices stand one above the other in the run of blanks of the
    // phrase.
    const QString phrase = QStringLiteral("이 금액을              함  ");
    QLabel *phraseLabel = label(p, phrase, x + 4, 13);
    const int lead = phraseLabel->fontMetrics().horizontalAdvance(QStringLiteral("이 금액을"));
    auto *choice = new QWidget(p);
    choice->setGeometry(phraseLabel->x() + lead + 2, 2, 46, 42);
    rBtn1 = named(new QRadioButton(QStringLiteral("영수"), choice), u"rBtn1");
    rBtn1->setGeometry(0, 2, 46, 18);
    rBtn2 = named(new QRadioButton(QStringLiteral("청구"), choice), u"rBtn2");
    rBtn2->setGeometry(0, 22, 46, 18);
    rBtn1->setChecked(true);
    layout->addWidget(p);
    layout->addStretch(1);
    return sheet;
}

QWidget *TsubUntf::buildStatementSheet() {
    auto *sheet = new QWidget;
    QVBoxLayout *layout = stack(sheet);
    gGrid = grid(sheet, u"gGrid", 31, 9);
    layout->addWidget(gGrid, 0, Qt::AlignLeft | Qt::AlignTop);

    QFrame *p = panel(nullptr, u"BtmPnl2", 29);
    label(p, u"합계금액", 6, 4, 56);
    gTotEdt = amountEdit(p, u"gTotEdt", 62, 4, 130, true);
    label(p, u"계", 214, 4, 16);
    gMnyEdt = amountEdit(p, u"gMnyEdt", 232, 4, 130, true);
    label(p, u"세  액", 384, 4, 40);
    gVatEdt = amountEdit(p, u"gVatEdt", 426, 4, 130, true);
    layout->addWidget(p);
    layout->addStretch(1);
    return sheet;
}

// Page 2: the quotation.
QWidget *TsubUntf::buildQuotationPage() {
    auto *page = named(new QWidget, u"TabSheet2");
    QVBoxLayout *layout = stack(page);
    layout->addWidget(buildToolPanel(true));
    layout->addWidget(buildQuotationHeader());
    MsgLabel = named(new QLabel(QStringLiteral("  一金 : "), page), u"MsgLabel");
    MsgLabel->setTextFormat(Qt::PlainText);
    MsgLabel->setFixedHeight(24);
    MsgLabel->setFrameShape(QFrame::Panel);
    MsgLabel->setFrameShadow(QFrame::Sunken);
    bold(MsgLabel);
    layout->addWidget(MsgLabel);
    kGrid = grid(page, u"kGrid", 21, 8);
    layout->addWidget(kGrid, 1, Qt::AlignLeft);
    return page;
}

QWidget *TsubUntf::buildQuotationHeader() {
    QFrame *p = panel(nullptr, u"mTopPnl1", 124);
    const int rows[3] = {8, 36, 64};
    label(p, u"제출처:", 6, rows[0], 58);
    SangHoEdt = edit(p, u"SangHoEdt", 1, 66, rows[0], 180);
    label(p, u"전   화:", 256, rows[0], 58);
    mTelEdit = edit(p, u"mTelEdit", 2, 316, rows[0], 110);
    label(p, u"견적일자:", 6, rows[1], 58);
    Day1Edt = maskedEdit(p, u"Day1Edt", 3, 66, rows[1], 84, QStringLiteral("####.##.##;1;_"), 10);
    label(p, u"담당자:", 256, rows[1], 58);
    NameEdt = edit(p, u"NameEdt", 4, 316, rows[1], 110);
    label(p, u"납품일자:", 6, rows[2], 58);
    Day2Edt = maskedEdit(p, u"Day2Edt", 5, 66, rows[2], 84, QStringLiteral("####.##.##;1;_"), 10);
    label(p, u"주   소:", 6, rows[2] + 28, 58);
    AddrEdt = edit(p, u"AddrEdt", 6, 66, rows[2] + 28, 360);

    label(p, u"[메모]", 440, 2, 60, 16);
    fMemo = named(new QPlainTextEdit(p), u"fMemo");
    fMemo->setGeometry(440, 18, 232, 84);
    setHint(fMemo, QStringLiteral("참고사항을 입력하는 메모판입니다."));
    label(p, u" ※ 메모기록은 7줄 까지 가능합니다.", 440, 103, 232, 16);
    return p;
}
