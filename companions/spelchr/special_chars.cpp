// The special character picker: a tabbed grid of the Korean code page's symbols. The chosen character is
// left on the clipboard for the caller to paste; a cancelled picker leaves "Non" there instead.

#include "entry_export.h"
#include "owner_window.h"
#include "special_chars_table.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int kColumns = 16;
constexpr int kCellSize = 30;
constexpr int kVisibleRows = 6;

class SpecialCharsDialog : public QDialog {
public:
    SpecialCharsDialog() {
        setWindowTitle(QString::fromUtf8("특수문자"));
        setObjectName(QString::fromUtf8("SpecialChr"));

        tabs_ = new QTabWidget(this);
        tabs_->setObjectName(QString::fromUtf8("groups"));
        QFont cellFont = font();
        cellFont.setPixelSize(17);
        for (const SpecialCharGroup &g : SpecialCharGroups()) {
            auto *grid = new QTableWidget(this);
            grid->setObjectName(g.title);
            const int rows = int((g.chars.size() + kColumns - 1) / kColumns);
            grid->setRowCount(rows);
            grid->setColumnCount(kColumns);
            grid->horizontalHeader()->hide();
            grid->verticalHeader()->hide();
            grid->horizontalHeader()->setDefaultSectionSize(kCellSize);
            grid->verticalHeader()->setDefaultSectionSize(kCellSize);
            grid->horizontalHeader()->setMinimumSectionSize(kCellSize);
            grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
            grid->setSelectionMode(QAbstractItemView::SingleSelection);
            grid->setFont(cellFont);
            grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            grid->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
            grid->setFixedHeight(kVisibleRows * kCellSize + 2 * grid->frameWidth());
            for (qsizetype i = 0; i < g.chars.size(); ++i) {
                auto *item = new QTableWidgetItem(g.chars.at(i));
                item->setTextAlignment(Qt::AlignCenter);
                grid->setItem(int(i / kColumns), int(i % kColumns), item);
            }
            // Cells past the last character stay empty and cannot be chosen.
            for (qsizetype i = g.chars.size(); i < qsizetype(rows) * kColumns; ++i) {
                auto *empty = new QTableWidgetItem;
                empty->setFlags(Qt::NoItemFlags);
                grid->setItem(int(i / kColumns), int(i % kColumns), empty);
            }
            grid->setCurrentCell(0, 0);
            connect(grid, &QTableWidget::currentItemChanged, this, [this] { updatePreview(); });
            connect(grid, &QTableWidget::itemDoubleClicked, this, [this](QTableWidgetItem *item) {
                if (item && !item->text().isEmpty())
                    accept();
            });
            tabs_->addTab(grid, g.title);
        }
        connect(tabs_, &QTabWidget::currentChanged, this, [this] { updatePreview(); });

        preview_ = new QLabel(this);
        preview_->setObjectName(QString::fromUtf8("preview"));
        preview_->setAlignment(Qt::AlignCenter);
        preview_->setFixedSize(56, 56);
        QFont big = font();
        big.setPixelSize(34);
        preview_->setFont(big);
        preview_->setFrameShape(QFrame::StyledPanel);
        preview_->setAutoFillBackground(true);
        QPalette pal = preview_->palette();
        pal.setColor(QPalette::Window, Qt::white);
        preview_->setPalette(pal);

        auto *note = new QLabel(QString::fromUtf8("문자를 두 번 누르거나, 고른 뒤 [확인]을 누르세요.\n"
                                                  "고른 문자는 입력 중인 칸에 들어갑니다."),
                                this);
        note->setWordWrap(true);

        auto *buttons = new QDialogButtonBox(this);
        QPushButton *ok = buttons->addButton(QString::fromUtf8("확인"), QDialogButtonBox::AcceptRole);
        buttons->addButton(QString::fromUtf8("취소"), QDialogButtonBox::RejectRole);
        ok->setDefault(true);
        connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
        connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

        auto *bottom = new QHBoxLayout;
        bottom->addWidget(preview_);
        bottom->addWidget(note, 1);
        bottom->addWidget(buttons);

        auto *layout = new QVBoxLayout(this);
        layout->addWidget(tabs_);
        layout->addLayout(bottom);

        // Wide enough for every column and the tab captions, with room for the scroll bar.
        tabs_->setMinimumWidth(kColumns * kCellSize + 30);
        updatePreview();
    }

    // The character under the cursor of the visible tab, or empty.
    QString chosen() const {
        const auto *grid = static_cast<const QTableWidget *>(tabs_->currentWidget());
        const QTableWidgetItem *item = grid ? grid->currentItem() : nullptr;
        return item ? item->text() : QString();
    }

private:
    void updatePreview() { preview_->setText(chosen()); }

    QTabWidget *tabs_ = nullptr;
    QLabel *preview_ = nullptr;
};

} // namespace

COMPANION_ENTRY void SpecialChr() {
    QString result;
    {
        SpecialCharsDialog dialog;
        BelongToProgramWindow(&dialog);
        if (dialog.exec() == QDialog::Accepted)
            result = dialog.chosen();
    }
    // The texts are copied into fresh strings: the clipboard outlives this library once it is released.
    if (result.isEmpty())
        result = QString::fromUtf8("Non");
    QGuiApplication::clipboard()->setText(QString(result.constData(), result.size()));
}
