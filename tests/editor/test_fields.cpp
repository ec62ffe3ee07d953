// The header and party fields: Enter order, filters, the number and date checks on leaving a field, the
// buyer type, the one date of the tax invoice and the statement, F11, and what marks a change.
#include "behaviour_fixture.h"
#include "masks.h"
#include "regnum.h"

#include <QComboBox>
#include <QPlainTextEdit>
#include <QStackedWidget>

namespace {

// A number that passes (valid) or fails the check of its kind: the last digit chosen to fit.
QString numberWithCheck(TChkKind kind, const QString &allButLast, bool valid) {
    for (int d = 0; d <= 9; ++d) {
        const QString candidate = allButLast + QString::number(d);
        if (CheckRegistrationNumber(kind, candidate).valid == valid)
            return candidate;
    }
    return QString();
}

} // namespace

struct Fields : BehaviourFixture {
    // Types text into a field that has the focus, then leaves it for another field.
    void typeAndLeave(QLineEdit *field, const QString &keys, QWidget *next) {
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, keys);
        next->setFocus();
    }
    QWidget *focused() const { return QApplication::focusWidget(); }
};

TEST_F(Fields, EnterMovesThroughTheInvoiceFieldsAndMarksAChange) {
    open(1, false);
    const char *order[] = {"aSaNo", "aSangho", "aName",  "aAddr",   "aUpTea", "aUpJong", "bSaNo",  "bSangho",
                           "bName", "bAddr",   "bUpTea", "bUpJong", "DayEdt", "DtyfNo",  "DtyeNo", "DtysNo"};
    edit("aSaNo")->setFocus();
    for (const char *name : order) {
        ASSERT_EQ(focused(), edit(name)) << name;
        editor->SetModified(false);
        QTest::keyClick(focused(), Qt::Key_Return);
        EXPECT_TRUE(editor->Modified()) << name;
    }
    EXPECT_EQ(focused(), grid("dGrid"));

    // An individual buyer: Enter goes to the resident number instead.
    auto *gbn = child<QComboBox>(QStringLiteral("Gbn"));
    gbn->setCurrentIndex(1);
    edit("aUpJong")->setFocus();
    QTest::keyClick(focused(), Qt::Key_Return);
    EXPECT_EQ(focused(), edit("JuMinNo"));
    QTest::keyClick(focused(), Qt::Key_Return);
    EXPECT_EQ(focused(), edit("bSangho"));
}

TEST_F(Fields, EnterOnTheStatementGoesThroughItsDateAndDescription) {
    open(1, true);
    edit("bUpJong")->setFocus();
    QTest::keyClick(focused(), Qt::Key_Return);
    EXPECT_EQ(focused(), edit("grDay"));
    QTest::keyClick(focused(), Qt::Key_Return);
    EXPECT_EQ(focused(), edit("grEdit"));
    QTest::keyClick(focused(), Qt::Key_Return);
    EXPECT_EQ(focused(), grid("gGrid"));
}

TEST_F(Fields, QuotationEnterOrderAndTheTelephone) {
    open(2);
    const char *order[] = {"SangHoEdt", "mTelEdit", "Day1Edt", "NameEdt", "Day2Edt", "AddrEdt"};
    edit("SangHoEdt")->setFocus();
    for (const char *name : order) {
        ASSERT_EQ(focused(), edit(name)) << name;
        editor->SetModified(false);
        QTest::keyClick(focused(), Qt::Key_Return);
        EXPECT_EQ(editor->Modified(), QByteArray(name) != "mTelEdit") << name;
    }
    EXPECT_EQ(focused(), grid("kGrid"));

    QLineEdit *tel = edit("mTelEdit");
    tel->setFocus();
    QTest::keyClicks(tel, QStringLiteral("02-a12b3 x"));
    EXPECT_EQ(tel->text(), QStringLiteral("02-123"));
    QTest::keyClick(tel, Qt::Key_Backspace);
    EXPECT_EQ(tel->text(), QStringLiteral("02-12"));
}

TEST_F(Fields, BookAndSerialNumbersTakeDigitsOnly) {
    open(1, false);
    QLineEdit *book = edit("DtyfNo");
    book->setFocus();
    book->selectAll();
    QTest::keyClicks(book, QStringLiteral("1x2"));
    EXPECT_EQ(book->text(), QStringLiteral("12"));

    QLineEdit *serial = edit("DtysNo");
    serial->setFocus();
    serial->home(false);
    const QString before = serial->displayText();
    QTest::keyClicks(serial, QStringLiteral("ab"));
    EXPECT_EQ(serial->displayText(), before);
    QTest::keyClicks(serial, QStringLiteral("12"));
    EXPECT_TRUE(serial->text().startsWith(QStringLiteral("12"))) << serial->text().toStdString();
}

TEST_F(Fields, BusinessNumberCheckedWhenLeft) {
    open(1, false);
    QLineEdit *number = edit("bSaNo");
    QLineEdit *next = edit("bSangho");
    // Empty: nothing asked.
    number->setFocus();
    next->setFocus();
    EXPECT_TRUE(prompts.shown.isEmpty());

    // Rejected by the check: asked; No takes the focus back with the caret at the start.
    const QString bad = numberWithCheck(TChkKind::ceBussiness, QStringLiteral("123456789"), false);
    prompts.yesNoAnswers = {false};
    typeAndLeave(number, bad, next);
    ASSERT_EQ(prompts.shown.size(), 1);
    EXPECT_EQ(prompts.shown[0], u8("올바르지 못한 사업자등록번호입니다. 허용하시겠습니까?"));
    EXPECT_EQ(focused(), number);
    EXPECT_EQ(number->cursorPosition(), 0);
    // Yes keeps it as typed and the focus goes on.
    prompts.yesNoAnswers = {true};
    next->setFocus();
    EXPECT_EQ(prompts.shown.size(), 2);
    EXPECT_EQ(focused(), next);
    EXPECT_EQ(MaskedValue(number).remove(u'-'), bad);

    // A valid number asks nothing; so does the supplier's own field with a valid number.
    const QString good = numberWithCheck(TChkKind::ceBussiness, QStringLiteral("123456789"), true);
    typeAndLeave(number, good, next);
    typeAndLeave(edit("aSaNo"), good, edit("aSangho"));
    EXPECT_EQ(prompts.shown.size(), 2);
    // The supplier's number is checked as well.
    prompts.yesNoAnswers = {false};
    typeAndLeave(edit("aSaNo"), bad, edit("aSangho"));
    EXPECT_EQ(prompts.shown.size(), 3);
    EXPECT_EQ(focused(), edit("aSaNo"));
}

TEST_F(Fields, ResidentNumberCheckedWhenLeftAndTheBuyerTypeSwitchesTheField) {
    open(1, false);
    auto *gbn = child<QComboBox>(QStringLiteral("Gbn"));
    edit("bSaNo")->setText(QStringLiteral("123-45-67891"));
    gbn->setFocus();
    // The user picks "개인": the resident number page, emptied and focused.
    edit("JuMinNo")->setText(QStringLiteral("111111-1111111"));
    gbn->setCurrentIndex(1);
    emit gbn->activated(1);
    EXPECT_EQ(child<QStackedWidget>(QStringLiteral("xPage"))->currentIndex(), 1);
    EXPECT_EQ(MaskedValue(edit("JuMinNo")), QString());
    EXPECT_EQ(focused(), edit("JuMinNo"));

    const QString bad = numberWithCheck(TChkKind::ceCitizen, QStringLiteral("900101123456"), false);
    prompts.yesNoAnswers = {false};
    typeAndLeave(edit("JuMinNo"), bad, edit("bSangho"));
    ASSERT_EQ(prompts.shown.size(), 1);
    EXPECT_EQ(prompts.shown[0], u8("올바르지 못한 주민등록번호입니다. 허용하시겠습니까?"));
    EXPECT_EQ(focused(), edit("JuMinNo"));

    // Back to "업체": the business number is emptied too.
    prompts.yesNoAnswers = {true};
    gbn->setCurrentIndex(0);
    emit gbn->activated(0);
    EXPECT_EQ(child<QStackedWidget>(QStringLiteral("xPage"))->currentIndex(), 0);
    EXPECT_EQ(MaskedValue(edit("bSaNo")), QString());
}

TEST_F(Fields, DatesNeedAllEightDigits) {
    open(1, false);
    QLineEdit *day = edit("DayEdt");
    day->setFocus();
    day->selectAll();
    QTest::keyClicks(day, QStringLiteral("2001052"));
    edit("DtyfNo")->setFocus();
    EXPECT_EQ(prompts.shown, QStringList{u8("날짜입력 형식이 틀렸습니다. 예)2001.05.27")});
    EXPECT_EQ(focused(), day);

    // Month 13, day 45: eight digits, accepted; an empty date as well.
    typeAndLeave(day, QStringLiteral("20011345"), edit("DtyfNo"));
    EXPECT_EQ(prompts.shown.size(), 1);
    EXPECT_EQ(focused(), edit("DtyfNo"));
    day->clear();
    day->setFocus();
    edit("DtyfNo")->setFocus();
    EXPECT_EQ(prompts.shown.size(), 1);

    // The quotation's dates say so but keep no focus.
    open(2);
    QLineEdit *quoted = edit("Day1Edt");
    typeAndLeave(quoted, QStringLiteral("2024011"), edit("NameEdt"));
    EXPECT_EQ(prompts.shown.size(), 2);
    EXPECT_EQ(focused(), edit("NameEdt"));
}

TEST_F(Fields, TheInvoiceAndTheStatementCarryOneDate) {
    open(1, true);
    QLineEdit *day = edit("DayEdt");
    QLineEdit *statementDay = edit("grDay");
    editor->SetModified(false);
    day->setText(QStringLiteral("2001.05.27"));
    EXPECT_EQ(statementDay->text(), QStringLiteral("2001.05.27"));
    EXPECT_TRUE(editor->Modified());
    // Typed into the statement's date, with a place left blank.
    statementDay->setFocus();
    statementDay->selectAll();
    QTest::keyClicks(statementDay, QStringLiteral("2024"));
    EXPECT_EQ(day->displayText(), statementDay->displayText());
    statementDay->setText(QStringLiteral("2024.12.31"));
    EXPECT_EQ(day->text(), QStringLiteral("2024.12.31"));
}

TEST_F(Fields, ChangesMarkTheDocumentButThePaymentFieldsDoNot) {
    open(1, false);
    for (const char *name : {"aSangho", "bSaNo", "bAddr", "DtyfNo", "DtysNo", "grEdit"}) {
        editor->SetModified(false);
        edit(name)->setText(QStringLiteral("1"));
        EXPECT_TRUE(editor->Modified()) << name;
    }
    for (const char *name : {"Cashmy", "Checkmy", "Billmy", "Creditmy"}) {
        editor->SetModified(false);
        edit(name)->setText(QStringLiteral("1,000"));
        EXPECT_FALSE(editor->Modified()) << name;
    }
    open(2);
    editor->SetModified(false);
    child<QPlainTextEdit>(QStringLiteral("fMemo"))->setPlainText(QStringLiteral("memo"));
    EXPECT_TRUE(editor->Modified());
    editor->SetModified(false);
    edit("mTelEdit")->setText(QStringLiteral("02-1234"));
    EXPECT_TRUE(editor->Modified());
}

TEST_F(Fields, SpecialCharacterOnlyInTheNameFields) {
    open(1, true);
    pickerResult = u8("㈜");
    QLineEdit *address = edit("aAddr");
    address->setFocus();
    address->setText(u8("서울"));
    QTest::keyClick(address, Qt::Key_F11);
    EXPECT_EQ(address->text(), u8("서울"));
    EXPECT_EQ(pickerRuns, 0);

    for (const char *name : {"aSangho", "bSangho", "grEdit"}) {
        QLineEdit *field = edit(name);
        field->setFocus();
        field->setText(u8("한빛"));
        QTest::keyClick(field, Qt::Key_F11);
        EXPECT_EQ(field->text(), u8("한빛㈜")) << name;
    }
    // Cancelled in the picker: nothing is pasted.
    pickerResult = QStringLiteral("Non");
    QTest::keyClick(edit("grEdit"), Qt::Key_F11);
    EXPECT_EQ(edit("grEdit")->text(), u8("한빛㈜"));

    open(2);
    pickerResult = u8("☎");
    auto *memo = child<QPlainTextEdit>(QStringLiteral("fMemo"));
    memo->setFocus();
    QTest::keyClick(memo, Qt::Key_F11);
    EXPECT_EQ(memo->toPlainText(), u8("☎"));
    edit("SangHoEdt")->setFocus();
    QTest::keyClick(edit("SangHoEdt"), Qt::Key_F11);
    EXPECT_EQ(edit("SangHoEdt")->text(), u8("☎"));
}
