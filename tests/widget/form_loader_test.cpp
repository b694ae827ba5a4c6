#include "toolkit/exceptions.h"
#include "toolkit/form.h"
#include "toolkit/form_loader.h"
#include "toolkit/image.h"
#include "toolkit/panel.h"
#include "toolkit/speed_button.h"

#include "graphics/graphic_error.h"
#include "graphics/picture_value.h"

#include <QTest>

#include <cstdio>
#include <jpeglib.h>
#include <jerror.h>

#include <gtest/gtest.h>

#include <functional>

namespace tcm::test {

class TLoaderForm : public toolkit::TForm {
    Q_OBJECT
    Q_PROPERTY(tcm::toolkit::TPanel* Panel1 MEMBER Panel1)
    Q_PROPERTY(tcm::toolkit::TSpeedButton* SpeedButton1 MEMBER SpeedButton1)
    Q_PROPERTY(tcm::toolkit::TImage* Image1 MEMBER Image1)

public:
    toolkit::TPanel* Panel1 = nullptr;
    toolkit::TSpeedButton* SpeedButton1 = nullptr;
    toolkit::TImage* Image1 = nullptr;
    int clicks = 0;
    QObject* lastSender = nullptr;

public slots:
    void ButtonClick(QObject* Sender)
    {
        ++clicks;
        lastSender = Sender;
    }
};

namespace {

using stream::ObjectRecord;
using stream::Property;
using stream::Value;

// A small description: a panel holding a button, and a picture.
ObjectRecord description()
{
    ObjectRecord button{"TSpeedButton", "SpeedButton1",
                        {{"Left", Value::integerValue(3)}, {"OnClick", Value::ident("ButtonClick")}}, {}};
    ObjectRecord panel{"TPanel", "Panel1",
                       {{"Left", Value::integerValue(5)},
                        {"Width", Value::integerValue(10)},
                        {"Width", Value::integerValue(300)},
                        {"Height", Value::integerValue(200)},
                        {"BevelOuter", Value::ident("bvLowered")}},
                       {button}};
    ObjectRecord image{"TImage", "Image1", {{"Visible", Value::boolean(false)}}, {}};
    return ObjectRecord{"TLoaderForm", "LoaderForm",
                        {{"Caption", Value::string("Loaded")}, {"Color", Value::ident("clBtnFace")}},
                        {panel, image}};
}

TEST(FormLoader, BuildsControlsBindsFieldsAndHandlers)
{
    TLoaderForm form;
    toolkit::FormLoader(form, *form.clientArea()).load(description());
    ASSERT_NE(form.Panel1, nullptr);
    ASSERT_NE(form.SpeedButton1, nullptr);
    ASSERT_NE(form.Image1, nullptr);
    EXPECT_EQ(form.windowTitle(), "Loaded");
    EXPECT_EQ(form.Panel1->parentWidget(), form.clientArea());
    EXPECT_EQ(form.SpeedButton1->parentWidget(), form.Panel1);
    EXPECT_EQ(form.Panel1->width(), 300);  // stored twice: the later value wins
    EXPECT_EQ(form.Panel1->bevelOuter(), toolkit::BevelCut::Lowered);
    EXPECT_FALSE(form.Image1->Visible());

    form.resize(400, 300);
    form.show();
    QTest::mouseClick(form.SpeedButton1, Qt::LeftButton, {}, form.SpeedButton1->rect().center());
    EXPECT_EQ(form.clicks, 1);
    EXPECT_EQ(form.lastSender, form.SpeedButton1);
}

// Stored picture values: [name length][class name][4-byte file length][file].
const std::vector<std::uint8_t> notABitmap{7, 'T', 'B', 'i', 't', 'm', 'a', 'p', 4, 0, 0, 0, 'B', 'X', 0, 0};
const std::vector<std::uint8_t> notAJpeg{10, 'T', 'J', 'P', 'E', 'G', 'I', 'm', 'a', 'g', 'e', 2, 0, 0, 0, 0x12, 0x34};
const std::string notAJpegMessage =
    "Error reading Image1.Picture.Data: JPEG error #" + std::to_string(JERR_NO_SOI);
const std::vector<std::uint8_t> cutShort{7, 'T', 'B', 'i', 't', 'm', 'a', 'p', 9, 0, 0, 0, 'B', 'M'};
const std::string cutShortMessage = [] {
    try {
        graphics::readPictureValue(cutShort);
    } catch (const graphics::GraphicError& e) {
        return "Error reading Image1.Picture.Data: " + std::string(e.what());
    }
    return std::string("accepted");
}();

TEST(FormLoader, PictureOfAnUnknownClassLeavesTheControlEmptyWithoutAMessage)
{
    const std::vector<std::uint8_t> metafile{9, 'T', 'M', 'e', 't', 'a', 'f', 'i', 'l', 'e', 1, 0, 0, 0, 0};
    ObjectRecord r = description();
    r.children[1].properties.push_back({"Picture.Data", Value::binary(metafile)});
    TLoaderForm form;
    toolkit::FormLoader(form, *form.clientArea()).load(r);
    EXPECT_EQ(form.Image1->picture(), nullptr);
}

TEST(FormLoader, RejectsWhatTheWindowCannotTakeWithAClearMessage)
{
    const struct {
        const char* name;
        std::function<void(ObjectRecord&)> damage;
        const char* message;
    } cases[] = {
        {"unknown class", [](ObjectRecord& r) { r.children[1].className = "TGauge"; }, "Class TGauge not found"},
        {"unknown property", [](ObjectRecord& r) { r.children[0].properties[0].name = "Lefty"; },
         "Error reading Panel1.Lefty: Property Lefty does not exist"},
        {"unknown handler",
         [](ObjectRecord& r) { r.children[0].children[0].properties[1].value = Value::ident("NoSuchClick"); },
         "Error reading SpeedButton1.OnClick: Method NoSuchClick not found"},
        {"no field", [](ObjectRecord& r) { r.children[1].name = "Image9"; },
         "Error reading Image9: TLoaderForm has no field Image9"},
        {"field of another class", [](ObjectRecord& r) { r.children[1].className = "TPanel"; },
         "Error reading Image1: field Image1 of TLoaderForm is not a TPanel"},
        {"wrong value kind", [](ObjectRecord& r) { r.children[0].properties[0].value = Value::string("5"); },
         "Error reading Panel1.Left: Invalid property value"},
        {"unknown enumeration value",
         [](ObjectRecord& r) { r.children[0].properties[4].value = Value::ident("bvSideways"); },
         "Error reading Panel1.BevelOuter: Invalid property value"},
        {"child of a picture",
         [](ObjectRecord& r) { r.children[1].children.push_back(r.children[0].children[0]); },
         "Error reading Image1: TImage cannot hold other controls"},
        {"description of another window", [](ObjectRecord& r) { r.className = "TForm9"; },
         "Invalid stream format: the description is of class TForm9, not TLoaderForm"},
        {"picture that is not a bitmap",
         [](ObjectRecord& r) { r.children[1].properties.push_back({"Picture.Data", Value::binary(notABitmap)}); },
         "Error reading Image1.Picture.Data: Bitmap image is not valid"},
        {"picture that is not a JPEG",
         [](ObjectRecord& r) { r.children[1].properties.push_back({"Picture.Data", Value::binary(notAJpeg)}); },
         notAJpegMessage.c_str()},
        {"picture value cut short",
         [](ObjectRecord& r) { r.children[1].properties.push_back({"Picture.Data", Value::binary(cutShort)}); },
         cutShortMessage.c_str()},
    };
    for (const auto& c : cases) {
        ObjectRecord r = description();
        c.damage(r);
        TLoaderForm form;
        try {
            toolkit::FormLoader(form, *form.clientArea()).load(r);
            ADD_FAILURE() << c.name << ": loaded";
        } catch (const toolkit::Exception& e) {
            EXPECT_EQ(e.message(), c.message) << c.name;
        }
    }
}

class TNoSuchForm : public toolkit::TForm {
    Q_OBJECT
};

class TBrokenForm : public toolkit::TForm {
    Q_OBJECT
};

TEST(FormLoader, MissingOrDamagedDescriptionFailsTheWindow)
{
    TNoSuchForm missing;
    try {
        missing.loadDescription();
        ADD_FAILURE() << "loaded";
    } catch (const toolkit::EResNotFound& e) {
        EXPECT_EQ(e.message(), "Resource TNoSuchForm not found");
        EXPECT_STREQ(e.className(), "EResNotFound");
    }
    // The test executable embeds a truncated description under TBROKENFORM.
    TBrokenForm broken;
    try {
        broken.loadDescription();
        ADD_FAILURE() << "loaded";
    } catch (const toolkit::EReadError& e) {
        EXPECT_NE(e.message().find("offset"), std::string::npos) << e.message();
    }
}

}  // namespace
}  // namespace tcm::test

#include "form_loader_test.moc"
