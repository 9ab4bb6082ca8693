// Fields in texts: how they are read, what they are filled with, and the
// texts that are refused with a reason.
#include "batch/CFieldTemplate.h"

#include <gtest/gtest.h>

namespace {

QString Filled(const QString& text, int record, std::map<QString, QString> columns = {})
{
    const std::optional<CFieldTemplate> parsed = CFieldTemplate::Parse(text);
    EXPECT_TRUE(parsed) << qPrintable(text);
    if (!parsed)
        return {};
    CFieldTemplate::Record values{record, QDate(2026, 3, 7), [&](const QString& name) { return columns[name]; }};
    return parsed->Fill(values);
}

QString Refusal(const QString& text)
{
    QString error;
    EXPECT_FALSE(CFieldTemplate::Parse(text, &error)) << qPrintable(text);
    return error;
}

} // namespace

TEST(FieldTemplate, ColumnsRecordNumbersAndDoubledBraces)
{
    EXPECT_EQ(Filled("Tag {Name} #{#}", 7, {{"Name", "Rex"}}), "Tag Rex #7");
    EXPECT_EQ(Filled("{{Name}} {{#}}", 3, {{"Name", "Rex"}}), "{Name} {#}");
    EXPECT_EQ(Filled("a}}b{{c", 1), "a}b{c");
    // A column's name may hold blanks and colons; the value is not read as fields.
    EXPECT_EQ(Filled("{Owner name}:{Ref:A}", 1, {{"Owner name", "{x}"}, {"Ref:A", "9"}}), "{x}:9");
    EXPECT_EQ(CFieldTemplate::Parse("{A} {B} {A} {#} {serial}")->Columns(), QStringList({"A", "B"}));
    EXPECT_FALSE(CFieldTemplate::Parse("plain {{text}}")->HasFields());
    EXPECT_TRUE(CFieldTemplate::Parse("{date}")->HasFields());
}

TEST(FieldTemplate, CountersHaveAStartAWidthAndAStep)
{
    EXPECT_EQ(Filled("{serial}", 1), "1");
    EXPECT_EQ(Filled("{serial}", 12), "12");
    EXPECT_EQ(Filled("{serial:0001}", 1), "0001");
    EXPECT_EQ(Filled("{serial:0001}", 10), "0010");
    EXPECT_EQ(Filled("{serial:0001+5}", 3), "0011");
    EXPECT_EQ(Filled("{serial:0100-10}", 3), "0080");
    // Past its width a counter grows rather than losing digits.
    EXPECT_EQ(Filled("{serial:99}", 3), "101");
    EXPECT_EQ(Filled("{serial:-2}", 1), "-2");
    EXPECT_EQ(Filled("{serial:1-2}", 2), "-1");
}

TEST(FieldTemplate, DatesTakeTheRecordsDateAndAFormat)
{
    EXPECT_EQ(Filled("{date}", 1), "2026-03-07");
    EXPECT_EQ(Filled("{date:dd.MM.yyyy}", 1), "07.03.2026");
    EXPECT_EQ(Filled("{date:HH:mm}", 1).size(), 5);
}

TEST(FieldTemplate, MalformedFieldsAreRefusedWithTheirPlace)
{
    const std::pair<const char*, const char*> refused[] = {
        {"Tag {Name", "character 5"},      {"a } b", "character 3"},
        {"{a{b}}", "not closed"},          {"{}", "no name"},
        {"{ }", "no name"},                {"{serial:abc}", "{serial:abc}"},
        {"{serial:1+x}", "not a number"}, {"{serial:}", "not a number"},
    };
    for (const auto& [text, reason] : refused)
        EXPECT_TRUE(Refusal(text).contains(reason)) << text;
    EXPECT_FALSE(CFieldTemplate::MayHoldFields("no fields here"));
}
