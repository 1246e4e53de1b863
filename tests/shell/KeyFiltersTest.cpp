#include "KeyFilters.h"

#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace {

struct KeyCase {
    int16_t code;
    bool digitPasses;
    bool fileNamePasses;
};

class KeyFilterCases : public ::testing::TestWithParam<KeyCase> {};

TEST_P(KeyFilterCases, PassOrSwallow)
{
    const KeyCase c = GetParam();
    int16_t digit = c.code;
    FilterDigitKey(digit);
    EXPECT_EQ(digit, c.digitPasses ? c.code : 0);
    int16_t name = c.code;
    FilterFileNameKey(name);
    EXPECT_EQ(name, c.fileNamePasses ? c.code : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Table, KeyFilterCases,
    ::testing::Values(KeyCase{'7', true, true}, KeyCase{'a', false, true}, KeyCase{'Z', false, true},
                      KeyCase{8, true, true},     // Backspace
                      KeyCase{13, true, true},    // Enter
                      KeyCase{22, true, true},    // Ctrl+V
                      KeyCase{26, true, true},    // Ctrl+Z
                      KeyCase{27, false, false},  // Escape
                      KeyCase{' ', false, false}, KeyCase{'&', false, true},
                      KeyCase{'-', false, true}, KeyCase{'_', false, true},
                      KeyCase{'.', false, false}, KeyCase{'/', false, false},
                      KeyCase{0xE9, false, false})); // é

TEST(KeyFilterBoxTest, TypedCharactersAreFilteredButEditingKeysAndPasteAreNot)
{
    QLineEdit box;
    installKeyFilter(&box, FilterFileNameKey);
    EXPECT_FALSE(box.testAttribute(Qt::WA_InputMethodEnabled));
    QTest::keyClicks(&box, QStringLiteral("ab c.d-"));
    QTest::sendKeyEvent(QTest::Click, &box, Qt::Key_Eacute, QStringLiteral("\u00e9"), Qt::NoModifier);
    QTest::keyClicks(&box, QStringLiteral("_&"));
    EXPECT_EQ(box.text(), QStringLiteral("abcd-_&"));
    QTest::keyClick(&box, Qt::Key_Left);
    QTest::keyClick(&box, Qt::Key_Backspace);
    EXPECT_EQ(box.text(), QStringLiteral("abcd-&"));
    QTest::keyClick(&box, Qt::Key_Home);
    QTest::keyClick(&box, Qt::Key_Delete);
    EXPECT_EQ(box.text(), QStringLiteral("bcd-&"));
    box.insert(QStringLiteral(" pasted text ")); // as a paste does: not filtered
    EXPECT_TRUE(box.text().contains(QStringLiteral(" pasted text ")));

    QLineEdit digits;
    installKeyFilter(&digits, FilterDigitKey);
    QTest::keyClicks(&digits, QStringLiteral("1a2 3"));
    EXPECT_EQ(digits.text(), QStringLiteral("123"));
}

} // namespace
