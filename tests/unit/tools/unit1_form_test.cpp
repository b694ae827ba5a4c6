// The main window's compiled stream (built by tcm-formc from
// src/ui/Unit1.form) holds exactly the records, properties, tags and values
// the viewer is built from, in stream order.

#include "stream/stream_reader.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

using tcm::stream::Value;
using tcm::stream::ValueTag;

// One record flattened: depth in the tree and "Name=kind:value" per property.
struct Flat {
    std::string className;
    std::string name;
    int depth;
    std::vector<std::string> properties;
};

std::string render(const Value& v)
{
    const std::string text(v.text());
    switch (v.tag) {
    case ValueTag::Int8: return "i8:" + std::to_string(v.integer);
    case ValueTag::Int16: return "i16:" + std::to_string(v.integer);
    case ValueTag::Int32: return "i32:" + std::to_string(v.integer);
    case ValueTag::True: return "true";
    case ValueTag::False: return "false";
    case ValueTag::String: return "str:" + text;
    case ValueTag::Ident: return "id:" + text;
    case ValueTag::Binary: return "bin:" + std::to_string(v.data.size());
    case ValueTag::List: return "list:" + std::to_string(v.items.size());
    case ValueTag::Set: {
        std::string out = "set:";
        for (std::string_view n : v.names)
            out += std::string(n) + ",";
        return out;
    }
    default: return "other tag " + std::to_string(static_cast<int>(v.tag));
    }
}

void flatten(const tcm::stream::ObjectRecord& r, int depth, std::vector<Flat>& out)
{
    Flat f{std::string(r.className), std::string(r.name), depth, {}};
    for (const tcm::stream::Property& p : r.properties)
        f.properties.push_back(std::string(p.name) + "=" + render(p.value));
    out.push_back(f);
    for (const auto& child : r.children)
        flatten(child, depth + 1, out);
}

const std::vector<Flat> kExpected = {
    {"TForm1", "Form1", 0,
     {"Left=i16:239", "Top=i8:108", "Width=i16:1032", "Height=i16:651",
      "Caption=str:Traditional Chinese Medicine help you to become a doctor!", "Color=id:clBtnFace",
      "Font.Charset=id:DEFAULT_CHARSET", "Font.Color=id:clWindowText", "Font.Height=i8:-11",
      "Font.Name=str:MS Sans Serif", "Font.Style=set:", "OldCreateOrder=false", "WindowState=id:wsMaximized",
      "PixelsPerInch=i8:96", "TextHeight=i8:13"}},
    {"TImage", "Image1", 1,
     {"Left=i16:201", "Top=i8:0", "Width=i16:1181", "Height=i16:1752", "AutoSize=true",
      "Picture.Data=bin:319601", "Stretch=true"}},
    {"TImage", "Image2", 1,
     {"Left=i16:-188", "Top=i16:-1206", "Width=i16:1700", "Height=i16:2494", "AutoSize=true",
      "Picture.Data=bin:1707917", "Stretch=true",
      "Visible=false"}},
    {"TPanel", "Panel1", 1,
     {"Left=i8:0", "Top=i8:0", "Width=i16:201", "Height=i16:1752", "Align=id:alLeft", "BevelInner=id:bvRaised",
      "BevelOuter=id:bvLowered", "TabOrder=i8:0"}},
    {"TSpeedButton", "SpeedButton1", 2,
     {"Left=i8:32", "Top=i8:76", "Width=i16:143", "Height=i16:135", "Glyph.Data=bin:34554",
      "OnClick=id:SpeedButton1Click"}},
    {"TSpeedButton", "SpeedButton2", 2,
     {"Left=i8:36", "Top=i16:228", "Width=i16:143", "Height=i16:135", "Glyph.Data=bin:28762",
      "OnClick=id:SpeedButton2Click"}},
    {"TSpeedButton", "SpeedButton3", 2,
     {"Left=i8:38", "Top=i16:380", "Width=i16:143", "Height=i16:135", "Glyph.Data=bin:53210",
      "OnClick=id:SpeedButton3Click"}},
    {"TMemo", "Memo1", 2,
     {"Left=i8:8", "Top=i8:8", "Width=i16:185", "Height=i8:65", "Lines.Strings=list:4", "TabOrder=i8:0"}},
    {"TPanel", "Panel2", 1,
     {"Left=i16:192", "Top=i8:4", "Width=i16:1173", "Height=i16:1338", "TabOrder=i8:1", "Visible=false"}},
    {"TImage", "Image3", 2,
     {"Left=i8:60", "Top=i8:2", "Width=i16:577", "Height=i16:479", "Picture.Data=bin:778530"}},
    {"TMemo", "Memo2", 2,
     {"Left=i8:1", "Top=i16:484", "Width=i16:1171", "Height=i16:853", "Align=id:alBottom",
      "Lines.Strings=list:91", "TabOrder=i8:0"}},
};

TEST(Unit1Form, CompiledStreamHoldsTheMainWindow)
{
    std::ifstream in(TCM_UNIT1_STREAM, std::ios::binary);
    ASSERT_TRUE(in) << TCM_UNIT1_STREAM;
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());

    std::vector<Flat> records;
    flatten(tcm::stream::readComponentStream(bytes), 0, records);

    ASSERT_EQ(records.size(), kExpected.size());
    for (std::size_t i = 0; i < records.size(); ++i) {
        SCOPED_TRACE(kExpected[i].name);
        EXPECT_EQ(records[i].className, kExpected[i].className);
        EXPECT_EQ(records[i].name, kExpected[i].name);
        EXPECT_EQ(records[i].depth, kExpected[i].depth);
        EXPECT_EQ(records[i].properties, kExpected[i].properties);
    }
}

}  // namespace
