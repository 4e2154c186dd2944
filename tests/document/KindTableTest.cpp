#include "document/ControlCommands.h"
#include "document/RecordWalker.h"

#include <gtest/gtest.h>

// The rows of the kind table must agree with each other: a box's width and
// height are numbers, art and text never are, and every offset lies inside
// the record.
TEST(KindTable, EveryRowIsConsistentWithItself)
{
    for (const ElementKind kind : Records::allKinds()) {
        const QString word = Records::wordOf(kind);
        SCOPED_TRACE(word.toStdString());
        EXPECT_EQ(Records::kindOfWord(word), kind);
        EXPECT_EQ(Records::nameOf(kind).compare(word, Qt::CaseInsensitive), 0);
        EXPECT_TRUE(Records::nameOf(kind).front().isUpper());
        EXPECT_NE(Records::shownWith(kind), Records::ShownWith::Nothing);

        const int length = Records::lengthOf(kind);
        const QList<int> &numbers = Records::numberFieldsOf(kind);
        EXPECT_TRUE(numbers.contains(1) && numbers.contains(2)); // X and Y
        if (const int width = Records::widthFieldOf(kind); width > 0) {
            EXPECT_TRUE(numbers.contains(width) && numbers.contains(width + 1));
            EXPECT_LT(width + 1, length);
        }
        for (const int field : {Records::artFieldOf(kind), Records::textFieldOf(kind)}) {
            if (field < 0)
                continue;
            EXPECT_LT(field, length);
            EXPECT_FALSE(numbers.contains(field));
        }
        for (const int field : numbers)
            EXPECT_LT(field, length);
    }
}

// The property panel's fields of a newer kind stand where the table says its
// box, art and text are.
TEST(KindTable, PanelFieldsStandWhereTheTablePutsThem)
{
    using Type = ControlCommands::FieldDefinition::Type;
    for (const ElementKind kind : Records::allKinds()) {
        const QList<ControlCommands::FieldDefinition> &fields = ControlCommands::fieldsOf(kind);
        if (fields.isEmpty())
            continue;
        SCOPED_TRACE(Records::wordOf(kind).toStdString());
        if (const int width = Records::widthFieldOf(kind); width > 0) {
            EXPECT_EQ(fields[width - 1].name, QStringLiteral("Width"));
            EXPECT_EQ(fields[width].name, QStringLiteral("Height"));
        }
        if (const int art = Records::artFieldOf(kind); art > 0)
            EXPECT_EQ(fields[art - 1].type, Type::ArtFile);
        if (const int text = Records::textFieldOf(kind); text > 0)
            EXPECT_EQ(fields[text - 1].type, Type::Text);
        for (qsizetype k = 0; k < fields.size(); ++k)
            EXPECT_EQ(fields[k].type == Type::Number || fields[k].type == Type::Flag,
                      Records::numberFieldsOf(kind).contains(int(k + 1)))
                << fields[k].name.toStdString();
    }
}
