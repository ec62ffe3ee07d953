// The header and party fields, the quotation header and the registration fields: the Enter order, the
// characters the number fields take, the checks made when a number or date field is left, the buyer type,
// F11 in the name fields, and which changes mark the document as changed.
#include "subUnt.h"

#include "ChkEdit.h"
#include "HStrGrid.h"
#include "commands.h"
#include "input_method.h"
#include "prompts.h"
#include "texts.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QHash>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStackedWidget>

namespace {

const QString kBadBusinessNumber = QStringLiteral("올바르지 못한 사업자등록번호입니다. 허용하시겠습니까?");
const QString kBadResidentNumber = QStringLiteral("올바르지 못한 주민등록번호입니다. 허용하시겠습니까?");
const QString kBadDate = QStringLiteral("날짜입력 형식이 틀렸습니다. 예)2001.05.27");

// Backspace, "-" and digits; other printable characters are swallowed. Control keys (Ctrl combinations,
// Tab, Escape) stay the edit's own.
bool passesNumberFilter(const QKeyEvent *event) {
    if (event->key() == Qt::Key_Backspace ||
        (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
        return true;
    const QString text = event->text();
    if (text.isEmpty() || text.at(0).unicode() < 0x20 || text.at(0).unicode() == 0x7f)
        return true;
    for (QChar c : text)
        if (!(c == u'-' || (c >= u'0' && c <= u'9')))
            return false;
    return true;
}

} // namespace

class FieldBehaviour : public QObject {
public:
    explicit FieldBehaviour(TsubUntf *editor) : QObject(editor), e_(editor) {
        TsubUntf *e = e_;
        auto invoiceHeaderShown = [e] { return e->CurrentKind() == DocumentKind::TaxInvoice; };

        // Page 1: every Enter marks the document as changed.
        chain({e->aSaNo, e->aSangho, e->aName, e->aAddr, e->aUpTea, e->aUpJong}, true);
        rule(
            e->aUpJong, [e] { return e->Gbn->currentIndex() == 1 ? static_cast<QWidget *>(e->JuMinNo) : e->bSaNo; },
            true);
        rule(
            e->bSaNo, [e] { return e->bSangho; }, true);
        rule(
            e->JuMinNo, [e] { return e->bSangho; }, true);
        chain({e->bSangho, e->bName, e->bAddr, e->bUpTea, e->bUpJong}, true);
        rule(
            e->bUpJong, [e, invoiceHeaderShown] { return invoiceHeaderShown() ? e->DayEdt : e->grDay; }, true);
        chain({e->DayEdt, e->DtyfNo, e->DtyeNo, e->DtysNo}, true);
        rule(
            e->DtysNo, [e] { return e->dGrid; }, true);
        chain({e->grDay, e->grEdit}, true);
        rule(
            e->grEdit, [e] { return e->gGrid; }, true);
        for (QLineEdit *f : {e->DtyfNo, e->DtyeNo, e->DtysNo})
            numbersOnly_.insert(f);

        // Quotation: the telephone's Enter only moves on.
        chain({e->SangHoEdt, e->mTelEdit, e->Day1Edt, e->NameEdt, e->Day2Edt, e->AddrEdt}, true);
        rule(
            e->mTelEdit, [e] { return e->Day1Edt; }, false);
        rule(
            e->AddrEdt, [e] { return e->kGrid; }, true);
        numbersOnly_.insert(e->mTelEdit);

        // Registration page: nothing here marks a document as changed.
        chain({e->SanghoEdit, e->NameEdit, e->TelEdit, e->UpteaEdit, e->UpjongEdit, e->SanoEdit, e->MailEdit,
               e->AddrEdit},
              false);
        rule(
            e->AddrEdit, [e] { return e->mPage; }, false);
        numbersOnly_.insert(e->TelEdit);

        // F11 takes a special character in the name fields, the description and the memo.
        for (QWidget *w : specialCharFields())
            w->installEventFilter(this);
        for (QWidget *w : numbersOnly_) {
            w->installEventFilter(this);
            MarkNumbersOnly(w);
        }

        // Every change of a document field marks the document as changed; the payment fields do not.
        for (QLineEdit *f :
             {e->aSaNo,   e->aSangho,   e->aName,    e->aAddr,   e->aUpTea,  e->aUpJong, e->bSaNo,  e->JuMinNo,
              e->bSangho, e->bName,     e->bAddr,    e->bUpTea,  e->bUpJong, e->DtyfNo,  e->DtyeNo, e->DtysNo,
              e->grEdit,  e->SangHoEdt, e->mTelEdit, e->NameEdt, e->AddrEdt, e->Day1Edt, e->Day2Edt})
            connect(f, &QLineEdit::textChanged, this, [e] { e->modified_ = true; });
        connect(e->fMemo, &QPlainTextEdit::textChanged, this, [e] { e->modified_ = true; });
        // The tax invoice and the statement carry the same date.
        connect(e->DayEdt, &QLineEdit::textChanged, this, [e] {
            e->modified_ = true;
            copyDate(e->DayEdt, e->grDay);
        });
        connect(e->grDay, &QLineEdit::textChanged, this, [e] {
            e->modified_ = true;
            copyDate(e->grDay, e->DayEdt);
        });

        // The buyer type chooses the number field, which starts empty.
        connect(e->Gbn, &QComboBox::activated, this, [e](int index) {
            e->xPage->setCurrentIndex(index);
            QLineEdit *number = index == 1 ? e->JuMinNo : e->bSaNo;
            number->clear();
            number->setFocus();
        });

        connect(qApp, &QApplication::focusChanged, this, [this](QWidget *old, QWidget *now) { left(old, now); });
    }

    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        auto *key = static_cast<QKeyEvent *>(event);
        auto *w = static_cast<QWidget *>(watched);
        if (key->key() == Qt::Key_F11 && specialCharFields().contains(w)) {
            specialCharacter();
            return true;
        }
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            const auto it = rules_.constFind(w);
            if (it == rules_.constEnd())
                return false;
            if (it->marksChange)
                e_->modified_ = true;
            if (QWidget *next = it->next())
                next->setFocus(Qt::TabFocusReason);
            return true;
        }
        return numbersOnly_.contains(w) && !passesNumberFilter(key);
    }

private:
    struct Rule {
        std::function<QWidget *()> next;
        bool marksChange = false;
    };

    void rule(QWidget *field, std::function<QWidget *()> next, bool marksChange) {
        rules_[field] = Rule{std::move(next), marksChange};
        field->installEventFilter(this);
    }
    // Each field's Enter goes to the one after it.
    void chain(std::initializer_list<QWidget *> fields, bool marksChange) {
        const QList<QWidget *> list(fields);
        for (qsizetype i = 0; i + 1 < list.size(); ++i) {
            QWidget *next = list.at(i + 1);
            rule(
                list.at(i), [next] { return next; }, marksChange);
        }
    }

    QList<QWidget *> specialCharFields() const {
        // In this order the focused one is looked for.
        return {e_->grEdit, e_->SanghoEdit, e_->aSangho, e_->bSangho, e_->SangHoEdt, e_->fMemo};
    }

    static void copyDate(QLineEdit *from, QLineEdit *to) {
        if (to->displayText() != from->displayText())
            to->setText(from->displayText());
    }

    void specialCharacter() {
        RunCommand(e_, [this] {
            TsubUntf::SpecialCharsHook();
            if (QGuiApplication::clipboard()->text() == QStringLiteral("Non"))
                return;
            for (QWidget *w : specialCharFields()) {
                if (!w->hasFocus())
                    continue;
                if (auto *line = qobject_cast<QLineEdit *>(w))
                    line->paste();
                else if (auto *memo = qobject_cast<QPlainTextEdit *>(w))
                    memo->paste();
                return;
            }
        });
    }

    // A field was left for another control of the editor (a message box or another window is no leaving).
    void left(QWidget *old, QWidget *now) {
        if (checking_ || !old || !now || now->window() != e_)
            return;
        checking_ = true;
        if (old == e_->aSaNo || old == e_->bSaNo)
            checkNumber(static_cast<QLineEdit *>(old), e_->ckBsinsNo, kBadBusinessNumber);
        else if (old == e_->JuMinNo)
            checkNumber(e_->JuMinNo, e_->ChkJumin, kBadResidentNumber);
        else if (old == e_->DayEdt || old == e_->grDay || old == e_->Day1Edt || old == e_->Day2Edt)
            checkDate(static_cast<QLineEdit *>(old));
        checking_ = false;
    }

    // An empty number is accepted; a number the check rejects is kept only when the user says so,
    // otherwise the field takes the focus back.
    void checkNumber(QLineEdit *field, TChkEdit *check, const QString &question) {
        QString digits = field->text();
        digits.remove(u' ').remove(u'-');
        if (digits.isEmpty())
            return;
        check->setText(field->text());
        if (check->CheckNumber())
            return;
        if (!AskYesNo(question, e_)) {
            field->setFocus(Qt::OtherFocusReason);
            field->setCursorPosition(0);
        }
    }

    // The date box holds all eight digits or none; the month and day are not tested for existence. Only the
    // issue dates take the focus back.
    void checkDate(QLineEdit *field) {
        if (IsDateTextComplete(u'.', field->text()))
            return;
        ShowInfo(kBadDate, e_);
        if (field == e_->DayEdt || field == e_->grDay)
            field->setFocus(Qt::OtherFocusReason);
    }

    TsubUntf *e_;
    QHash<QWidget *, Rule> rules_;
    QSet<QWidget *> numbersOnly_;
    bool checking_ = false;
};

void TsubUntf::installFieldBehaviour() {
    if (fieldBehaviourInstalled_)
        return;
    fieldBehaviourInstalled_ = true;
    new FieldBehaviour(this);
}
