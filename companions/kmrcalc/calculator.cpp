// The calculator: a four-function desk calculator with keyboard input, thousands separators in the
// display and a button that copies the result to the clipboard.

#include "calc_engine.h"
#include "entry_export.h"
#include "owner_window.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

class CalculatorDialog : public QDialog {
public:
    CalculatorDialog() {
        setWindowTitle(QString::fromUtf8("KMR 계산기"));
        setObjectName(QString::fromUtf8("dCalculate"));

        display_ = new QLabel(this);
        display_->setObjectName(QString::fromUtf8("display"));
        display_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        display_->setFrameShape(QFrame::StyledPanel);
        display_->setFrameShadow(QFrame::Sunken);
        display_->setMinimumHeight(48);
        display_->setAutoFillBackground(true);
        display_->setTextInteractionFlags(Qt::TextSelectableByMouse);
        QPalette pal = display_->palette();
        pal.setColor(QPalette::Window, QColor(0xF4, 0xF8, 0xEE));
        display_->setPalette(pal);
        QFont big = font();
        big.setPixelSize(22);
        big.setBold(true);
        display_->setFont(big);

        operatorLabel_ = new QLabel(this);
        operatorLabel_->setObjectName(QString::fromUtf8("pendingOp"));
        operatorLabel_->setAlignment(Qt::AlignRight);

        auto *grid = new QGridLayout;
        grid->setSpacing(4);
        // Row by row: label, object name, action.
        struct Key {
            const char *label;
            const char *name;
            int row, col, rowSpan, colSpan;
        };
        const Key keys[] = {
            {"C", "clear", 0, 0, 1, 1},  {"CE", "clearEntry", 0, 1, 1, 1}, {"←", "backspace", 0, 2, 1, 1},
            {"÷", "divide", 0, 3, 1, 1}, {"7", "d7", 1, 0, 1, 1},          {"8", "d8", 1, 1, 1, 1},
            {"9", "d9", 1, 2, 1, 1},     {"×", "multiply", 1, 3, 1, 1},    {"4", "d4", 2, 0, 1, 1},
            {"5", "d5", 2, 1, 1, 1},     {"6", "d6", 2, 2, 1, 1},          {"−", "subtract", 2, 3, 1, 1},
            {"1", "d1", 3, 0, 1, 1},     {"2", "d2", 3, 1, 1, 1},          {"3", "d3", 3, 2, 1, 1},
            {"+", "add", 3, 3, 1, 1},    {"±", "negate", 4, 0, 1, 1},      {"0", "d0", 4, 1, 1, 1},
            {".", "point", 4, 2, 1, 1},  {"=", "equals", 4, 3, 1, 1},
        };
        QFont keyFont = font();
        keyFont.setPixelSize(16);
        for (const Key &k : keys) {
            auto *b = new QPushButton(QString::fromUtf8(k.label), this);
            b->setObjectName(QString::fromUtf8(k.name));
            b->setFocusPolicy(Qt::NoFocus);
            b->setAutoDefault(false);
            b->setMinimumSize(60, 40);
            b->setFont(keyFont);
            const QString name = b->objectName();
            connect(b, &QPushButton::clicked, this, [this, name] { press(name); });
            grid->addWidget(b, k.row, k.col, k.rowSpan, k.colSpan);
        }

        auto *copy = new QPushButton(QString::fromUtf8("결과 복사"), this);
        copy->setObjectName(QString::fromUtf8("copy"));
        copy->setFocusPolicy(Qt::NoFocus);
        copy->setAutoDefault(false);
        copy->setToolTip(QString::fromUtf8("표시된 값을 클립보드에 복사합니다 (Ctrl+C)"));
        connect(copy, &QPushButton::clicked, this, [this] { copyResult(); });
        auto *close = new QPushButton(QString::fromUtf8("닫기"), this);
        close->setObjectName(QString::fromUtf8("close"));
        close->setFocusPolicy(Qt::NoFocus);
        close->setAutoDefault(false);
        connect(close, &QPushButton::clicked, this, &QDialog::accept);

        auto *bottom = new QHBoxLayout;
        bottom->addWidget(copy);
        bottom->addStretch(1);
        bottom->addWidget(close);

        auto *layout = new QVBoxLayout(this);
        layout->addWidget(operatorLabel_);
        layout->addWidget(display_);
        layout->addLayout(grid);
        layout->addLayout(bottom);

        // The display keeps its width whatever it shows; the longest entry still fits.
        display_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        display_->setMinimumWidth(QFontMetrics(big).horizontalAdvance(QStringLiteral("-888,888,888,888,888.")) + 16);
        refresh();
        setFixedSize(sizeHint());
    }

    const CalcEngine &engine() const { return engine_; }

protected:
    void keyPressEvent(QKeyEvent *e) override {
        if (e->matches(QKeySequence::Copy)) {
            copyResult();
            return;
        }
        const QString t = e->text();
        switch (e->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Equal: press(QStringLiteral("equals")); return;
        case Qt::Key_Backspace: press(QStringLiteral("backspace")); return;
        case Qt::Key_Escape: press(QStringLiteral("clear")); return;
        case Qt::Key_Delete: press(QStringLiteral("clearEntry")); return;
        case Qt::Key_Plus: press(QStringLiteral("add")); return;
        case Qt::Key_Minus: press(QStringLiteral("subtract")); return;
        case Qt::Key_Asterisk: press(QStringLiteral("multiply")); return;
        case Qt::Key_Slash: press(QStringLiteral("divide")); return;
        case Qt::Key_Period:
        case Qt::Key_Comma: press(QStringLiteral("point")); return;
        default: break;
        }
        if (t.size() == 1 && t.at(0).isDigit() && t.at(0).unicode() < 128) {
            press(QLatin1Char('d') + t);
            return;
        }
        QDialog::keyPressEvent(e);
    }

private:
    void press(const QString &name) {
        if (name.size() == 2 && name.at(0) == u'd' && name.at(1).isDigit())
            engine_.digit(name.at(1).digitValue());
        else if (name == QLatin1String("point"))
            engine_.point();
        else if (name == QLatin1String("add"))
            engine_.op(CalcEngine::Op::Add);
        else if (name == QLatin1String("subtract"))
            engine_.op(CalcEngine::Op::Subtract);
        else if (name == QLatin1String("multiply"))
            engine_.op(CalcEngine::Op::Multiply);
        else if (name == QLatin1String("divide"))
            engine_.op(CalcEngine::Op::Divide);
        else if (name == QLatin1String("equals"))
            engine_.equals();
        else if (name == QLatin1String("clear"))
            engine_.clear();
        else if (name == QLatin1String("clearEntry"))
            engine_.clearEntry();
        else if (name == QLatin1String("backspace"))
            engine_.backspace();
        else if (name == QLatin1String("negate"))
            engine_.negate();
        refresh();
    }

    void refresh() {
        display_->setText(engine_.display());
        static const char *const signs[] = {"", "+", "−", "×", "÷"};
        operatorLabel_->setText(QString::fromUtf8(signs[int(engine_.pending())]));
    }

    void copyResult() {
        // A fresh copy: the clipboard outlives this library once the caller releases it.
        const QString text = engine_.plainText();
        QGuiApplication::clipboard()->setText(QString(text.constData(), text.size()));
    }

    CalcEngine engine_;
    QLabel *display_ = nullptr;
    QLabel *operatorLabel_ = nullptr;
};

} // namespace

COMPANION_ENTRY void dCalculate() {
    CalculatorDialog dialog;
    BelongToProgramWindow(&dialog);
    dialog.exec();
}
