// The about box: the program's title and revision, what it does, and who made it.

#include "entry_export.h"
#include "owner_window.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// A small drawn emblem: a sheet of paper with ruled lines and a red seal.
QPixmap emblem() {
    QPixmap pm(64, 64);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0, 0, 128), 2));
    p.setBrush(Qt::white);
    p.drawRect(10, 4, 40, 54);
    p.setPen(QPen(QColor(0, 0, 128), 1));
    for (int y = 16; y <= 46; y += 6)
        p.drawLine(16, y, 44, y);
    p.setPen(QPen(QColor(200, 0, 0), 2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPoint(44, 48), 9, 9);
    return pm;
}

class AboutDialog : public QDialog {
public:
    AboutDialog(const QString &revision, const QString &title) {
        setObjectName(QString::fromUtf8("AboutBox"));
        setWindowTitle(QString::fromUtf8("프로그램 정보"));

        auto *picture = new QLabel(this);
        picture->setPixmap(emblem());
        picture->setAlignment(Qt::AlignTop);

        auto *heading = new QLabel(title.isEmpty() ? QString::fromUtf8("켈모르소프트 세금계산서") : title, this);
        heading->setObjectName(QString::fromUtf8("title"));
        QFont big = font();
        big.setPixelSize(18);
        big.setBold(true);
        heading->setFont(big);

        auto *version =
            new QLabel(QString::fromUtf8("버전 ") + (revision.isEmpty() ? QString::fromUtf8("-") : revision), this);
        version->setObjectName(QString::fromUtf8("revision"));

        auto *text = new QLabel(QString::fromUtf8("세금계산서·계산서, 거래명세표·영수증, 견적서를 작성하여\n"
                                                  "저장하고, 백지나 양식지에 인쇄하고, 엑셀 문서로 보냅니다.\n\n"
                                                  "도움말은 F1 키를 누르면 볼 수 있습니다.\n\n"
                                                  "Copyright ⓒ 켈모르소프트. All rights reserved."),
                                this);
        text->setWordWrap(true);

        auto *buttons = new QDialogButtonBox(this);
        QPushButton *ok = buttons->addButton(QString::fromUtf8("확인"), QDialogButtonBox::AcceptRole);
        ok->setDefault(true);
        connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

        auto *right = new QVBoxLayout;
        right->addWidget(heading);
        right->addWidget(version);
        right->addSpacing(8);
        right->addWidget(text);
        right->addStretch(1);

        auto *top = new QHBoxLayout;
        top->addWidget(picture);
        top->addSpacing(10);
        top->addLayout(right, 1);

        auto *layout = new QVBoxLayout(this);
        layout->addLayout(top);
        layout->addWidget(buttons);
        setFixedSize(sizeHint().expandedTo(QSize(380, 0)));
    }
};

} // namespace

COMPANION_ENTRY void AboutBox(const char *revision, const char *title) {
    AboutDialog dialog(QString::fromUtf8(revision ? revision : ""), QString::fromUtf8(title ? title : ""));
    BelongToProgramWindow(&dialog);
    dialog.exec();
}
