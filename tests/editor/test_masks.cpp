#include "masks.h"

#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

TEST(EditMask, TranslatesDigitPlacesAndLiterals) {
    // Required and optional digits swap their letters; '#' stays; hyphens and dots are literals.
    EXPECT_EQ(TranslateEditMask(QStringLiteral("999\\-99\\-99999;0;_")).inputMask, QStringLiteral("000-00-00000;_"));
    EXPECT_EQ(TranslateEditMask(QStringLiteral("000.00;1;*")).inputMask, QStringLiteral("999.99;*"));
    EXPECT_EQ(TranslateEditMask(QStringLiteral("###-##-#####;1;_")).inputMask, QStringLiteral("###-##-#####;_"));
    EXPECT_EQ(TranslateEditMask(QStringLiteral("9999.99.99")).inputMask, QStringLiteral("0000.00.00;_"));
    // Letters, case switches, a literal blank and literals that are mask letters in Qt.
    EXPECT_EQ(TranslateEditMask(QStringLiteral(">LL<ll_aA!cC<>X")).inputMask, QStringLiteral(">AA<aa nNxX!\\X;_"));
}

TEST(EditMask, ReadsTheSaveFlagAndTheBlankCharacter) {
    const EditMask noSave = TranslateEditMask(QStringLiteral("999999\\-9999999;0;_"));
    EXPECT_FALSE(noSave.keepLiterals);
    EXPECT_EQ(noSave.blank, u'_');
    const EditMask save = TranslateEditMask(QStringLiteral("99:99;1; "));
    EXPECT_TRUE(save.keepLiterals);
    EXPECT_EQ(save.blank, u' ');
    EXPECT_EQ(save.inputMask, QStringLiteral("00:00; "));
    // Without the fields, literals are kept and '_' is the blank.
    EXPECT_TRUE(TranslateEditMask(QStringLiteral("99")).keepLiterals);
    EXPECT_EQ(TranslateEditMask(QStringLiteral("99")).blank, u'_');
    // An escaped ';' belongs to the mask.
    EXPECT_EQ(TranslateEditMask(QStringLiteral("9\\;9;0;_")).inputMask, QStringLiteral("0\\;0;_"));
    EXPECT_FALSE(TranslateEditMask(QStringLiteral("9\\;9;0;_")).keepLiterals);
}

TEST(EditMask, ValueKeepsOrDropsTheLiterals) {
    QLineEdit business;
    ApplyEditMask(&business, QStringLiteral("###-##-#####;1;_"));
    EXPECT_EQ(MaskedValue(&business), QString()); // nothing typed
    business.setText(QStringLiteral("123-45-67891"));
    EXPECT_EQ(MaskedValue(&business), QStringLiteral("123-45-67891"));
    EXPECT_EQ(business.displayText(), QStringLiteral("123-45-67891"));

    QLineEdit resident;
    ApplyEditMask(&resident, QStringLiteral("999999\\-9999999;0;_"));
    QTest::keyClicks(&resident, QStringLiteral("8001011234567"));
    EXPECT_EQ(resident.displayText(), QStringLiteral("800101-1234567"));
    EXPECT_EQ(MaskedValue(&resident), QStringLiteral("8001011234567"));

    // A part-filled number keeps each empty place as a blank where literals are kept.
    QLineEdit partial;
    ApplyEditMask(&partial, QStringLiteral("99\\-99;1;_"));
    QTest::keyClicks(&partial, QStringLiteral("1"));
    EXPECT_EQ(partial.displayText(), QStringLiteral("1_-__"));
    EXPECT_EQ(MaskedValue(&partial), QStringLiteral("1 -  "));
}

TEST(EditMask, DigitPlacesRefuseLetters) {
    QLineEdit date;
    ApplyEditMask(&date, QStringLiteral("9999.99.99;1;_"));
    QTest::keyClicks(&date, QStringLiteral("2a0x01b0527"));
    EXPECT_EQ(date.text(), QStringLiteral("2001.05.27"));
}
