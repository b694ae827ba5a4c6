// Faults in a text form are refused before anything is written, each with
// FILE:LINE:COLUMN and a message that says what is wrong.

#include "form_test_support.h"

#include "form_text/form_error.h"

#include <gtest/gtest.h>

#include <optional>

namespace tcm::tools::test {
namespace {

struct ErrorCase {
    std::string source;
    std::string where;    // "LINE:COLUMN"
    std::string message;  // part of the message
    std::optional<std::vector<std::string>> methods = std::nullopt;
};

// Forms wrapped in a root, so each case shows only the lines that matter.
std::string form(const std::string& body)
{
    return "TForm1 Form1 {\n" + body + "}\n";
}

std::vector<ErrorCase> syntaxCases()
{
    return {
        {form("  Left 239\n"), "2:8", "expected '=' after 'Left', found an integer"},
        {form("  Left = 1 Top = 2\n"), "2:12", "expected a line break after the value of 'Left'"},
        // Columns count characters, not bytes.
        {form("  Caption = \"中文\" Top = 2\n"), "2:18", "expected a line break after the value of 'Caption'"},
        {form("  Left =\n"), "3:1", "expected a value, found '}'"},
        {form("  Caption = \"abc\n"), "2:13", "unterminated string"},
        {form("  Caption = \"a\\q\"\n"), "2:15", "unknown escape"},
        {form("  Caption = \"\\x4\"\n"), "2:14", "\\x needs exactly two hex digits"},
        {form("  Caption = \"\\u{110000}\"\n"), "2:14", "past U+10FFFF"},
        {form("  Caption = \"\\u{D800}\"\n"), "2:13", "surrogate; only wide strings"},
        {form("  Caption = wide \"\\x41\"\n"), "2:18", "write \\u{41} instead of \\x41"},
        {form("  Caption = wide \"a\xFF\"\n"), "2:20", "not valid UTF-8"},
        {form("  Icon.Data = <ABC>\n"), "2:15", "odd number of hex digits"},
        {form("  Icon.Data = <AZ>\n"), "2:17", "unexpected character 'Z' in a byte block"},
        {"TForm1 Form1 {\n  Icon.Data = <AB\n", "2:15", "unterminated byte block"},
        {form("  Left = 2147483648\n"), "2:10", "does not fit in an int32"},
        {form("  Left = int8 200\n"), "2:15", "200 does not fit in an int8 (-128..127)"},
        {form("  Left = int16 \"5\"\n"), "2:16", "expected an integer after 'int16'"},
        {form("  Left = 12px\n"), "2:10", "malformed number"},
        {form("  Left = ]\n"), "2:10", "expected a value, found ']'"},
        {form("  Left = (1, 2\n"), "3:1", "missing ')' to close the list opened at 2:10"},
        {form("  \"\" = 1\n"), "2:3", "a property name must not be empty"},
        {form("  Left = @\n"), "2:10", "unexpected character '@'"},
        {"TForm1 Form1 {\n  Left = 1\n", "3:1", "missing '}' to close 'Form1' (opened at 1:1)"},
        {"TForm1 Form1 {\n}\nTForm1 Form2 {\n}\n", "3:1", "a form holds exactly one root object"},
        {"TForm1 Form1\n  Left = 1\n}\n", "2:3", "expected '{' to open the body of 'Form1'"},
        {"TForm1 Form1 {\n  Hint = " + std::string(70, '(') + std::string(70, ')') + "\n}\n", "2:73",
         "values nested deeper than 64"},
    };
}

std::vector<ErrorCase> schemaCases()
{
    const std::vector<std::string> methods = {"SpeedButton1Click", "Other"};
    return {
        {form("  TButton Button1 {\n  }\n"), "2:3", "unknown class 'TButton' (known classes: TForm, TForm1,"},
        {form("  TImage Image1 {\n    Caption = \"x\"\n  }\n"), "3:5", "TImage has no property 'Caption'"},
        {form("  Left = \"10\"\n"), "2:10", "'Left' takes an integer, not a string"},
        {form("  Visible = 1\n"), "2:13", "'Visible' takes true or false, not an integer"},
        {form("  Caption = clRed\n"), "2:13", "'Caption' takes a string, not the identifier 'clRed'"},
        {form("  Color = \"clRed\"\n"), "2:11", "'Color' takes an identifier or an integer, not a string"},
        {form("  Color = clReddish\n"), "2:11", "'clReddish' is not a value of Color (one of: clBlack,"},
        {form("  Font.Charset = UTF8_CHARSET\n"), "2:18", "'UTF8_CHARSET' is not a value of Font.Charset"},
        {form("  WindowState = wsHidden\n"), "2:17",
         "'wsHidden' is not a value of WindowState (one of: wsNormal, wsMinimized, wsMaximized)"},
        {form("  Font.Style = [fsBold, fsHeavy]\n"), "2:25", "'fsHeavy' is not a member of Font.Style"},
        {form("  Font.Style = fsBold\n"), "2:16", "'Font.Style' takes a set"},
        {form("  TPanel Panel1 {\n    Align = alMiddle\n  }\n"), "3:13", "'alMiddle' is not a value of Align"},
        {form("  TPanel Panel1 {\n    BevelInner = bvRaised\n    BevelInner = bvNone\n  }\n"), "4:5",
         "'BevelInner' is set twice (first at 3:5)"},
        {form("  TImage Image1 {\n    Picture.Data = \"x.jpg\"\n  }\n"), "3:20",
         "'Picture.Data' takes a byte block, not a string"},
        {form("  TMemo Memo1 {\n    Lines.Strings = (\"a\", 1)\n  }\n"), "3:27",
         "'Lines.Strings' holds strings only, not an integer"},
        {form("  TSpeedButton B {\n    OnClick = \"SpeedButton1Click\"\n  }\n"), "3:15",
         "'OnClick' takes a method name, not a string"},
        {form("  TSpeedButton B {\n    OnClick = SpeedButton2Click\n  }\n"), "3:15",
         "'SpeedButton2Click' is not a method of the form (methods: SpeedButton1Click, Other)", methods},
        {form("  TSpeedButton B {\n    OnClick = SpeedButton1Click\n  }\n"), "3:15",
         "'SpeedButton1Click' is not a method of the form (methods: none)", std::vector<std::string>{}},
        {form("  TPanel P {\n    TImage Image1 {\n    }\n  }\n  TImage Image1 {\n  }\n"), "6:10",
         "duplicate object name 'Image1' (first used at 3:12)"},
        {form("  TImage Form1 {\n  }\n"), "2:10", "duplicate object name 'Form1' (first used at 1:8)"},
    };
}

void expectError(const ErrorCase& c, const ValidationOptions& options)
{
    SCOPED_TRACE(c.source);
    try {
        compileText(c.source, options);
        ADD_FAILURE() << "compiled without an error";
    } catch (const FormError& e) {
        const std::string what = e.what();
        EXPECT_EQ(what.rfind("test.form:" + c.where + ": error: ", 0), 0u) << what;
        EXPECT_NE(what.find(c.message), std::string::npos) << what;
    }
}

TEST(FormErrors, SyntaxFaultsPointAtTheirSource)
{
    for (const ErrorCase& c : syntaxCases())
        expectError(c, ValidationOptions{});
}

TEST(FormErrors, SchemaFaultsPointAtTheirSource)
{
    for (const ErrorCase& c : schemaCases()) {
        ValidationOptions options;
        options.methods = c.methods;
        expectError(c, options);
    }
}

TEST(FormErrors, SchemaAcceptsEveryKindItDeclares)
{
    const std::string source = form(
        "  Caption = wide \"中医\"\n"
        "  Color = 16777215\n"
        "  Font.Charset = GB2312_CHARSET\n"
        "  Font.Color = int32 255\n"
        "  Font.Style = [fsBold, fsStrikeOut]\n"
        "  BorderIcons = []\n"
        "  TMemo Memo1 {\n"
        "    Lines.Strings = (\"a\", lstring \"b\", utf8 \"c\", wide \"d\")\n"
        "    OnChange = Memo1Change\n"
        "  }\n");
    ValidationOptions options;
    options.methods = std::vector<std::string>{"Memo1Change"};
    EXPECT_NO_THROW(compileText(source, options));
}

TEST(FormErrors, WithoutSchemaOnlyNamesAreChecked)
{
    EXPECT_NO_THROW(compileText("TAnything A {\n  Whatever = [x]\n  TOther B {\n  }\n}\n", noSchema()));
    const ErrorCase duplicate = {"TAnything A {\n  TOther A {\n  }\n}\n", "2:10", "duplicate object name 'A'"};
    expectError(duplicate, noSchema());
}

}  // namespace
}  // namespace tcm::tools::test
